#pragma once

#include "common/number_text.h"
#include "common/report.h"

// The labels of the Stage I report, exactly as the program has always
// written them (odd wording, units and mixed Latin/Cyrillic letters
// included: \u0410 is the Cyrillic capital A, \u0420 the Cyrillic capital
// Er). A value line is its label followed directly by the number in F3.
namespace dravik::stage1_lines {

// Sections, estimate and rated data.
inline constexpr const char16_t* kRodAreaGross = u"Actual area of the rod, m2 ";
inline constexpr const char16_t* kRodArea = u"Active area of the rod, m2 ";
inline constexpr const char16_t* kYokeAreaGross = u"Actual area of the yoke, m2 ";
inline constexpr const char16_t* kYokeArea = u"Active area of the yoke, m2 ";
inline constexpr const char16_t* kRodDiameter = u"Circle diameter of the rod, m ";
inline constexpr const char16_t* kPowerEstimate = u"Full power transformer approximately, kVA ";
inline constexpr const char16_t* kNoRatedRow = u"Not found a suitable transformer for rated power";
inline constexpr const char16_t* kRatedPower = u"Rated power transformer, kVA ";
inline constexpr const char16_t* kRatedVoltage = u"Rated voltage of high voltage winding, kV ";
inline constexpr const char16_t* kNoLoadLossesNorm = u"No-load losses, W ";
inline constexpr const char16_t* kShortCircuitLosses = u"Loss of short-circuit, W ";
inline constexpr const char16_t* kShortCircuitVoltage = u"Short-circuit voltage, % ";
inline constexpr const char16_t* kNoLoadCurrentPct = u"No-load current, % ";  // the rated and the computed value
inline constexpr const char16_t* kHvCurrent = u"Current high-voltage winding, A ";
inline constexpr const char16_t* kLvCurrent = u"Current in the low voltage winding, \u0410 ";
inline constexpr const char16_t* kRecommendedInduction = u"Value of the recommended induction, T ";
inline constexpr const char16_t* kYokeInduction = u"Determine the magnetic induction in the yokes, T ";
inline constexpr const char16_t* kRodMass = u"mass magnetic rods, kg ";
inline constexpr const char16_t* kYokeLength = u"full length of the magnetic yoke, kg ";  // a length in m
inline constexpr const char16_t* kYokeMass = u"magnetic yoke weight, kg ";
inline constexpr const char16_t* kNoRollingType =
    u"The steel has no rolling type: choose Cold-rolled or Hot-rolled in Add / edit steel";

// The induction search.
inline constexpr const char16_t* kRodOffCurve = u"Unable to find a suitable magnetization steel rod ";
inline constexpr const char16_t* kYokeOffCurve = u"Unable to find a suitable steel yoke magnetization ";
inline constexpr const char16_t* kOffCurveUnit = u" T";
inline constexpr const char16_t* kRodLosses = u"Specific losses in the steel rod, W/kg ";
inline constexpr const char16_t* kRodMagnetising = u"Specific magnetizing power in steel rod, W/kg ";
inline constexpr const char16_t* kRodJoint = u"Specific Magnetizing power in the butt , W/m2 ";
inline constexpr const char16_t* kYokeLosses = u"Specific losses in the steel yoke, W/kg ";
inline constexpr const char16_t* kYokeMagnetising = u"Specific magnetizing power in steel yoke, W/kg ";
inline constexpr const char16_t* kYokeJoint = u"Specific Magnetizing power in the butt of yoke, W/m2 ";
inline constexpr const char16_t* kLossesMet = u"condition for no-load losses coincided, W: \u0420hh=";
inline constexpr const char16_t* kLossesFailed = u"Find a suitable induction for load losses could not be";
inline constexpr const char16_t* kActiveCurrent = u"active component of the load current, A ";
inline constexpr const char16_t* kJointPower = u"Magnetizing power in the butt, VA ";
inline constexpr const char16_t* kMagnetisingPower = u"full magnetizing power, VA ";
inline constexpr const char16_t* kReactiveCurrent = u"Reactive component of current, A ";
inline constexpr const char16_t* kNoLoadCurrent = u"The total of the load current, A ";
inline constexpr const char16_t* kCurrentMet = u"Current condition of idling coincided";
inline constexpr const char16_t* kCurrentFailed = u"Find a suitable induction for the no-load failed";
inline constexpr const char16_t* kBothCriteriaFailed =
    u"Find a suitable induction for no-load losses and no-load current failed";

inline void addLine(Report& report, const char16_t* text) { report.line(text); }

inline void addValueLine(Report& report, const char16_t* label, double value) { report.line(label, F3{value}); }

}  // namespace dravik::stage1_lines
