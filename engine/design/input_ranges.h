#pragma once

#include "common/command_error.h"
#include "common/input_range.h"
#include "common/number_input.h"

#include <QString>
#include <QStringView>
#include <array>
#include <stdexcept>
#include <string_view>
#include <type_traits>

// What each numeric input of the design may hold: the sizes, voltages,
// powers and factors a distribution transformer of this family can have.
// A value outside stops the command that reads it, right after its
// conversion, before the step writes its line.
namespace dravik {

// An input as the window shows it: its objectName, its caption without the
// trailing colon (empty where the caption is a label that changes with the
// winding, which the window then hands over), and its accepted range.
struct RangedInput {
    const char* control;
    const char* caption;
    InputRange range;
};

namespace input_ranges {

inline constexpr InputRange kAboveZeroTo5000{0, false, 5000, "above 0 and at most 5000"};
inline constexpr InputRange kZeroTo5000{0, true, 5000, "0 to 5000"};
inline constexpr InputRange kPacket{0, true, 2000, "0 to 2000"};
inline constexpr InputRange kSheetThickness{0, false, 5, "above 0 and at most 5"};
inline constexpr InputRange kInductionStep{0, false, 1, "above 0 and at most 1"};
inline constexpr InputRange kTapStep{0, true, 25, "0 to 25"};
inline constexpr InputRange kPower{0, false, 10000, "above 0 and at most 10000"};
inline constexpr InputRange kHvVoltage{0, false, 35, "above 0 and at most 35"};
inline constexpr InputRange kLvVoltage{0, false, 1.2, "above 0 and at most 1,2"};
inline constexpr InputRange kRodDiameter{0, false, 2, "above 0 and at most 2"};
inline constexpr InputRange kYokeDistance{0, true, 500, "0 to 500"};
inline constexpr InputRange kZeroTo200{0, true, 200, "0 to 200"};
inline constexpr InputRange kChannels{0, true, 20, "0 to 20"};
inline constexpr InputRange kLayers{1, true, 100, "at least 1 and at most 100"};
inline constexpr InputRange kLayingCoefficient{0, false, 2, "above 0 and at most 2"};
inline constexpr InputRange kUnbalanceCurrent{0, false, 10, "above 0 and at most 10"};

}  // namespace input_ranges

// Every ranged input, keyed by objectName. Lengths in mm unless the caption
// says otherwise; voltages in kV, the power in kVA (its caption says kW),
// the induction step in T, the tap step in %, the KU current in rated LV
// currents. The Cyrillic letters of the captions are the window's own.
inline constexpr auto kRangedInputs = std::to_array<RangedInput>({
    // Stage I: the core window and the rod packets.
    {"Ed_C", "C, mm", input_ranges::kAboveZeroTo5000},
    {"Ed_Lc", "lс, mm", input_ranges::kAboveZeroTo5000},
    {"Ed_Cok", "Cос, mm", input_ranges::kZeroTo5000},
    {"Ed_A1", "А1, mm", input_ranges::kPacket},
    {"Ed_A2", "А2, mm", input_ranges::kPacket},
    {"Ed_A3", "А3, mm", input_ranges::kPacket},
    {"Ed_A4", "А4, mm", input_ranges::kPacket},
    {"Ed_A5", "А5, mm", input_ranges::kPacket},
    {"Ed_A6", "А6, mm", input_ranges::kPacket},
    {"Ed_A7", "А7, mm", input_ranges::kPacket},
    {"Ed_A8", "А8, mm", input_ranges::kPacket},
    {"Ed_a_1", "а1, mm", input_ranges::kPacket},
    {"Ed_a_2", "а2, mm", input_ranges::kPacket},
    {"Ed_a_3", "а3, mm", input_ranges::kPacket},
    {"Ed_a_4", "а4, mm", input_ranges::kPacket},
    {"Ed_a_5", "а5, mm", input_ranges::kPacket},
    {"Ed_a_6", "а6, mm", input_ranges::kPacket},
    {"Ed_a_7", "а7, mm", input_ranges::kPacket},
    {"Ed_a_8", "а8, mm", input_ranges::kPacket},
    // The yoke packets.
    {"Ed_B1", "B1, mm", input_ranges::kPacket},
    {"Ed_B2", "B2, mm", input_ranges::kPacket},
    {"Ed_B3", "B3, mm", input_ranges::kPacket},
    {"Ed_B4", "B4, mm", input_ranges::kPacket},
    {"Ed_B5", "B5, mm", input_ranges::kPacket},
    {"Ed_B6", "B6, mm", input_ranges::kPacket},
    {"Ed_B7", "B7, mm", input_ranges::kPacket},
    {"Ed_B8", "B8, mm", input_ranges::kPacket},
    {"Ed_b_1", "b1, mm", input_ranges::kPacket},
    {"Ed_b_2", "b2, mm", input_ranges::kPacket},
    {"Ed_b_3", "b3, mm", input_ranges::kPacket},
    {"Ed_b_4", "b4, mm", input_ranges::kPacket},
    {"Ed_b_5", "b5, mm", input_ranges::kPacket},
    {"Ed_b_6", "b6, mm", input_ranges::kPacket},
    {"Ed_b_7", "b7, mm", input_ranges::kPacket},
    {"Ed_b_8", "b8, mm", input_ranges::kPacket},
    // Stage I: steel, search and rated data.
    {"Ed_dz", "Sheet thickness, mm", input_ranges::kSheetThickness},
    {"Ed_h_B", "Increment induction", input_ranges::kInductionStep},
    {"Ed_h_U", "Step control. Uhv, %", input_ranges::kTapStep},
    {"CB_Snom", "S, kW", input_ranges::kPower},
    {"CB_Uvn", "Uhv, kV", input_ranges::kHvVoltage},
    {"CB_Un", "Ulv, kV", input_ranges::kLvVoltage},
    {"CB_Dnom", "Diameter of rod, m", input_ranges::kRodDiameter},
    // Stage II: insulation distances, channels, layers and laying.
    {"Ed_l_01", "l01, mm", input_ranges::kYokeDistance},
    {"Ed_a_01", "а01, mm", input_ranges::kZeroTo200},
    {"Ed_ak", "", input_ranges::kZeroTo200},
    {"Ed_nk", "", input_ranges::kChannels},
    {"Ed_n_sl", "", input_ranges::kLayers},
    {"Edi_K_t_nepl", "Coef laying wire leak (1,015..1,03)", input_ranges::kLayingCoefficient},
    // The KU window: the zero-sequence current typed by the designer.
    {"Ed_In", "In, r. u. (Irat=1)", input_ranges::kUnbalanceCurrent},
});

// The entry of `control`; an objectName without one is a fault of the
// program (std::logic_error).
const RangedInput& rangedInput(QStringView control);

// The same, found as the program is compiled: a calculation reads its
// fields many times over in a design sweep. A name without an entry does not
// compile.
consteval const RangedInput& rangedInputOf(std::string_view control) {
    for (const RangedInput& input : kRangedInputs) {
        if (control == input.control) return input;
    }
    throw std::logic_error("no range for the input");
}

// The caption of a label as a refusal names it: without the blanks around
// it and without a trailing colon.
QString captionOfLabel(const QString& labelText);

// Refuses `value`, read from `input`, when it lies outside the range of
// `field`: text 15 naming the field, quoting the input as read.
// `labelText` is the caption the window shows at that moment, for the
// inputs whose caption changes.
void requireInputInRange(const RangedInput& field, double value, const NumberInput& input,
                         const QString& labelText = {});

// Reads an input as `field`: `convert` (floatOf or integerOf) turns a text
// into a number and takes a value as it is; `check` makes the refusals that
// come before the range; then the range. Every failure names the field.
template <typename Number>
Number readRangedInput(const RangedInput& field, const NumberInput& input, Number (*convert)(const NumberInput&),
                       std::type_identity_t<void (*)(Number)> check = nullptr, const QString& labelText = {}) {
    return readField(field.control, [&] {
        const Number value = convert(input);
        if (check) check(value);
        requireInputInRange(field, value, input, labelText);
        return value;
    });
}

}  // namespace dravik
