#include "windings/winding_inputs.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/runtime_texts.h"
#include "design/input_ranges.h"

namespace dravik {
namespace {

void requireAtLeastOneLayer(int layers) {
    if (layers < 1) throw CommandError(texts::kLayersAtLeastOne);
}

void requirePositiveLayingCoefficient(double k_t) {
    if (!(k_t > 0)) throw CommandError(texts::kLayingCoefficient);
}

}  // namespace

std::uint16_t readLayerCount(const NumberInput& input, const QString& labelText) {
    return toCount16(readRangedInput(rangedInputOf("Ed_n_sl"), input, integerOf, requireAtLeastOneLayer, labelText));
}

double readYokeDistance_m(const NumberInput& input, Stage2Effects& effects) {
    return readRangedInput(rangedInputOf("Ed_l_01"), pointAsComma(input, effects.l_01Text), floatOf) / 1000;
}

double readLayingCoefficient(const NumberInput& input, Stage2Effects& effects) {
    return readRangedInput(rangedInputOf("Edi_K_t_nepl"), pointAsComma(input, effects.k_tText), floatOf,
                           requirePositiveLayingCoefficient);
}

double readChannelWidth_mm(const NumberInput& input, const QString& labelText, Stage2Effects& effects) {
    return readRangedInput(rangedInputOf("Ed_ak"), pointAsComma(input, effects.akText), floatOf, nullptr, labelText);
}

std::uint16_t readChannelCount(const NumberInput& input, const QString& labelText) {
    return toCount16(readRangedInput(rangedInputOf("Ed_nk"), input, integerOf, nullptr, labelText));
}

int readRodInsulation_mm(const NumberInput& input) {
    return readRangedInput(rangedInputOf("Ed_a_01"), input, integerOf);
}

int readRodInsulation_mm(const NumberInput& input, Stage2Effects& effects) {
    return readRodInsulation_mm(pointAsComma(input, effects.a_01Text));
}

}  // namespace dravik
