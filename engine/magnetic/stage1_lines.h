#pragma once

#include "common/number_text.h"
#include "common/report.h"

// The labels of the Stage I report, exactly as the program has always
// written them (odd wording, units and mixed Latin/Cyrillic letters
// included: \u0410 is the Cyrillic capital A, \u0420 the Cyrillic capital
// Er). A value line is its label followed directly by the number in F3.
namespace dravik::stage1_lines {

// Sections, estimate and rated data.
inline constexpr const char* kRodAreaGross = "Actual area of the rod, m2 ";
inline constexpr const char* kRodArea = "Active area of the rod, m2 ";
inline constexpr const char* kYokeAreaGross = "Actual area of the yoke, m2 ";
inline constexpr const char* kYokeArea = "Active area of the yoke, m2 ";
inline constexpr const char* kRodDiameter = "Circle diameter of the rod, m ";
inline constexpr const char* kPowerEstimate = "Full power transformer approximately, kVA ";
inline constexpr const char* kNoRatedRow = "Not found a suitable transformer for rated power";
inline constexpr const char* kRatedPower = "Rated power transformer, kVA ";
inline constexpr const char* kRatedVoltage = "Rated voltage of high voltage winding, kV ";
inline constexpr const char* kNoLoadLossesNorm = "No-load losses, W ";
inline constexpr const char* kShortCircuitLosses = "Loss of short-circuit, W ";
inline constexpr const char* kShortCircuitVoltage = "Short-circuit voltage, % ";
inline constexpr const char* kNoLoadCurrentPct = "No-load current, % ";  // the rated and the computed value
inline constexpr const char* kHvCurrent = "Current high-voltage winding, A ";
inline constexpr const char* kLvCurrent = "Current in the low voltage winding, \u0410 ";
inline constexpr const char* kRecommendedInduction = "Value of the recommended induction, T ";
inline constexpr const char* kYokeInduction = "Determine the magnetic induction in the yokes, T ";
inline constexpr const char* kRodMass = "mass magnetic rods, kg ";
inline constexpr const char* kYokeLength = "full length of the magnetic yoke, kg ";  // a length in m
inline constexpr const char* kYokeMass = "magnetic yoke weight, kg ";
inline constexpr const char* kNoRollingType =
    "The steel has no rolling type: choose Cold-rolled or Hot-rolled in Add / edit steel";

// The induction search.
inline constexpr const char* kRodOffCurve = "Unable to find a suitable magnetization steel rod ";
inline constexpr const char* kYokeOffCurve = "Unable to find a suitable steel yoke magnetization ";
inline constexpr const char* kOffCurveUnit = " T";
inline constexpr const char* kRodLosses = "Specific losses in the steel rod, W/kg ";
inline constexpr const char* kRodMagnetising = "Specific magnetizing power in steel rod, W/kg ";
inline constexpr const char* kRodJoint = "Specific Magnetizing power in the butt , W/m2 ";
inline constexpr const char* kYokeLosses = "Specific losses in the steel yoke, W/kg ";
inline constexpr const char* kYokeMagnetising = "Specific magnetizing power in steel yoke, W/kg ";
inline constexpr const char* kYokeJoint = "Specific Magnetizing power in the butt of yoke, W/m2 ";
inline constexpr const char* kLossesMet = "condition for no-load losses coincided, W: \u0420hh=";
inline constexpr const char* kLossesFailed = "Find a suitable induction for load losses could not be";
inline constexpr const char* kActiveCurrent = "active component of the load current, A ";
inline constexpr const char* kJointPower = "Magnetizing power in the butt, VA ";
inline constexpr const char* kMagnetisingPower = "full magnetizing power, VA ";
inline constexpr const char* kReactiveCurrent = "Reactive component of current, A ";
inline constexpr const char* kNoLoadCurrent = "The total of the load current, A ";
inline constexpr const char* kCurrentMet = "Current condition of idling coincided";
inline constexpr const char* kCurrentFailed = "Find a suitable induction for the no-load failed";
inline constexpr const char* kBothCriteriaFailed =
    "Find a suitable induction for no-load losses and no-load current failed";

inline void addLine(Report& report, const char* text) { report.add(QString::fromUtf8(text)); }

inline void addValueLine(Report& report, const char* label, double value) {
    report.add(QString::fromUtf8(label) + reportF3(value));
}

}  // namespace dravik::stage1_lines
