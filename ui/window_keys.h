#pragma once

class QAbstractButton;
class QCloseEvent;
class QWidget;

namespace dravik {

// Escape that no control of the window takes for itself (an open list, a
// grid cell being edited) closes the window as its close box does: the
// window's own close handler runs, with the same effects.
void closeOnEscape(QWidget* window);

// Closes the window as its close box does, as the user's close: Escape and a
// script's click on the window's name come this way.
void closeAsUser(QWidget* window);

// Whether the user closed the window, with the close box, Escape or a
// script's click, rather than the program closing it (as it ends, or a
// session being replaced).
bool closedByUser(const QWidget* window, const QCloseEvent* event);

// Enter (Return or the keypad's Enter) that no control of the window takes
// for itself presses `button`, the window's main command; on a focused push
// button it presses that button instead, as in a dialog.
void pressOnEnter(QWidget* window, QAbstractButton* button);

}  // namespace dravik
