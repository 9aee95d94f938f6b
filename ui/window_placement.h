#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QSettings;
class QWidget;

namespace dravik {

// The forms are drawn in Arial; fontconfig gives a metric-compatible face.
void setFormFont(QWidget* window, int pixelSize);

// A fixed-border window of at least `size`, placed in the middle of the
// screen when it is first shown.
void fixAndCentre(QWidget* window, QSize size);

// A resizable window of `size`, no larger than the screen's free part,
// placed in the middle of the screen when it is first shown.
void centre(QWidget* window, QSize size);

// Where a window whose outer rectangle (title bar and borders included) is
// `frame` goes on a screen whose free part - without panels and docks - is
// `available`: no larger than that part, and moved so that all of it lies
// inside. A window that fits already stays where it is.
QRect fitInside(QRect frame, const QRect& available);

// Title bar and borders a window manager usually adds, for a window whose
// frame is not known yet (before it is first shown).
inline constexpr QMargins kUsualFrame{4, 30, 4, 4};

// From now on the window's place and size, and the positions of its named
// splitters, are kept in `settings` whenever it is hidden or the program
// ends, and put back the first time the window is shown - moved back inside
// the screen if the screen has become smaller since. The window must have
// been given its first placement (centre or fixAndCentre).
void rememberPlacement(QWidget* window, QSettings& settings);

}  // namespace dravik
