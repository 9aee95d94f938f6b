#pragma once

#include "design/design_stop.h"
#include "explorer/sweep.h"

#include <QString>
#include <limits>

namespace dravik {

// What a designer pays for the transformer and for owning it: the metals per
// kg, and the loss evaluation factors A per W of no-load loss and B per W of
// load loss, all in one currency unit.
struct Prices {
    double steel_per_kg = 3;
    double copper_per_kg = 10;
    double aluminium_per_kg = 4;
    double A_per_W = 0;
    double B_per_W = 0;
};

inline constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

// One variant made into a whole design: where it stopped, and the figures
// its calculations reached (kNoFigure for those they did not).
struct VariantResult {
    Variant variant;
    DesignStop stop = DesignStop::None;
    QString refusal;     // the refusal's text when stop is Refused
    double miss = kNoFigure;  // by how much the check that stopped it missed, in its own terms

    double B_T = kNoFigure;     // final rod induction
    double P0_W = kNoFigure;    // no-load losses
    double i0_pct = kNoFigure;  // no-load current
    double Pk_W = kNoFigure;    // load losses
    double uk_pct = kNoFigure;  // short-circuit voltage
    double steel_kg = kNoFigure;      // rods and yokes
    double conductor_kg = kNoFigure;  // LV, HV and KU windings
    double cost = kNoFigure;          // steel and conductors at their prices
    double owningCost = kNoFigure;    // cost + A·P0 + B·Pk

    bool meetsEverything() const { return stop == DesignStop::None; }
};

// Makes variant `index` of `sweep` a whole design, on states of its own, and
// reads off its figures. Formats nothing.
VariantResult evaluateVariant(const Sweep& sweep, int index, const Prices& prices);

}  // namespace dravik
