#pragma once

#include "explorer/sweep.h"

#include <QStringList>
#include <vector>

namespace dravik {

// What the windows show when "Apply" starts, as far as the actions depend on it.
struct ApplyStart {
    bool stageTwoShown = false;  // Stage II is in front: "<<Magnetic" leads back
    bool zigzagAngleDefault = true;  // the zigzag angle is the zigzag window's default
};

// The steps of a design a user takes in turn, each a list of script lines:
// Stage I, the hand-over (and the KU winding where the scheme has one), the
// LV winding, the HV winding. A step is taken only when the one before it
// ended as the design needs: a variant that stops in Stage I stops there in
// the windows too.
enum class ApplyStep { StageOne, HandOver, Lv, Hv };
struct ApplyAction {
    ApplyStep step;
    QStringList lines;
};

// The actions that make variant `variant` of `sweep` the design of the
// windows, from the inputs the sweep made the variant from: the lines a
// user would type in script mode.
std::vector<ApplyAction> applyingActions(const Sweep& sweep, const Variant& variant, const ApplyStart& start);

}  // namespace dravik
