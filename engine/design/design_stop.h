#pragma once

namespace dravik {

// Where a calculation of the design ended short of its goal, named by the
// check whose report line ended it. A calculation that reached its goal (the
// search met both criteria, the winding was laid and fits) gives None.
// Listed in the order a whole design meets them; the last ones belong to the
// whole design only.
enum class DesignStop {
    None,
    // "Calculation of the magnetic".
    NoRollingType,         // the steel has no rolling type
    NoRatedData,           // no standard transformer for the power and voltage
    InductionOffCurve,     // a rod or yoke induction off the steel's curve
    LossesCriterion,       // the losses never reached their band below the curve's end
    CurrentCriterion,      // the no-load current never met its limit below the curve's end
    NoInductionMeetsBoth,  // the search would alternate: no induction meets both criteria
    // "Calculation KU".
    KuRepeatWithoutPick,  // a finished KU is repeated only with a picked wire
    KuNoConductor,        // no catalogue wire makes the KU conductor
    KuNotRectangular,     // the KU conductor has no sides a and b
    KuOffRod,             // the KU winding is higher than the rod allows
    // "Calculation LV".
    KuNotDone,            // the ticked KU winding is not calculated
    LvRepeatWithoutPick,  // a finished LV is repeated only with a picked wire
    LvNoConductor,        // no catalogue wire makes the LV conductor
    LvNotRectangular,     // the LV conductor has no sides a and b
    LvOffRod,             // the LV winding is higher than the rod allows
    // "Calculation HV".
    LvNotDone,               // the LV winding is not calculated
    NoMainInsulation,        // no main insulation distances for the power and voltage
    NoHvCurrentDensity,      // the LV conductor leaves no current density for the HV
    HvNoConductor,           // no catalogue wire makes the HV conductor
    HvNotRound,              // the HV conductor is not a round wire
    HvOffRod,                // the HV winding is higher than the rod allows
    NoInterlayerInsulation,  // no paper for the voltage between two layers
    HvOutOfWindow,           // the HV winding is wider than the window between the rods
    // The standard's values for the finished windings.
    PkAboveStandard,    // the load losses exceed the standard's by more than 10 %
    UkOutsideStandard,  // the short-circuit voltage lies more than 10 % off the standard's
    // A refused input or a guard (a CommandError) ended a calculation.
    Refused,
};

}  // namespace dravik
