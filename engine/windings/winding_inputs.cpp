#include "windings/winding_inputs.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"
#include "design/input_ranges.h"

namespace dravik {

std::uint16_t readLayerCount(const QString& typed, const QString& labelText) {
    const auto atLeastOne = [](const QString& text) {
        const int layers = parseInt(text);
        if (layers < 1) throw CommandError(texts::kLayersAtLeastOne);
        return layers;
    };
    return toCount16(readRangedInput(QStringLiteral("Ed_n_sl"), typed, atLeastOne, labelText));
}

double readYokeDistance_m(const QString& typed, Stage2Effects& effects) {
    return readRangedInput(QStringLiteral("Ed_l_01"), pointAsComma(typed, effects.l_01Text), parseFloat) / 1000;
}

double readLayingCoefficient(const QString& typed, Stage2Effects& effects) {
    const auto aboveZero = [](const QString& text) {
        const double k_t = parseFloat(text);
        if (!(k_t > 0)) throw CommandError(texts::kLayingCoefficient);
        return k_t;
    };
    return readRangedInput(QStringLiteral("Edi_K_t_nepl"), pointAsComma(typed, effects.k_tText), aboveZero);
}

double readChannelWidth_mm(const QString& typed, const QString& labelText, Stage2Effects& effects) {
    return readRangedInput(QStringLiteral("Ed_ak"), pointAsComma(typed, effects.akText), parseFloat, labelText);
}

std::uint16_t readChannelCount(const QString& typed, const QString& labelText) {
    return toCount16(readRangedInput(QStringLiteral("Ed_nk"), typed, parseInt, labelText));
}

int readRodInsulation_mm(const QString& typed) { return readRangedInput(QStringLiteral("Ed_a_01"), typed, parseInt); }

int readRodInsulation_mm(const QString& typed, Stage2Effects& effects) {
    return readRodInsulation_mm(pointAsComma(typed, effects.a_01Text));
}

}  // namespace dravik
