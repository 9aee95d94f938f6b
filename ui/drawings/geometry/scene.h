#pragma once

#include <QLineF>

// What the drawings' scenes are made of, in the painter's units.
namespace dravik {

// A dimension line with an arrow head at each end; red when it measures a
// failed check.
struct DimensionLine {
    QLineF line;
    bool warning = false;
};

}  // namespace dravik
