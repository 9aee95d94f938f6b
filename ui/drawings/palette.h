#pragma once

#include <QColor>

// Colours the program's drawings share, so that steel, windings and
// conductors look alike in every window.
namespace dravik::palette {

inline const QColor kSteel(170, 180, 200);
inline const QColor kLvWinding(232, 170, 90);
inline const QColor kHvWinding(190, 160, 215);
inline const QColor kKuWinding(150, 200, 140);
inline const QColor kCopper(214, 150, 90);
inline const QColor kPaper(245, 232, 190);
// Fluxes and phasors: blue for what a winding makes, red for what it opposes
// or sums to.
inline const QColor kBlueArrow(30, 70, 200);
inline const QColor kRedArrow(200, 30, 30);
// What failed a check: a winding that does not fit, a packet beyond its circle.
inline const QColor kMisfit(210, 20, 20);

}  // namespace dravik::palette
