#pragma once

#include <QString>

namespace dravik {

struct NamedControl;

// What a user's action on a control means for a design: most actions are
// part of it, a few only show or hide a window, copy a report or end the
// program, and a few change a catalogue.
enum class ActionRole {
    Design,            // recorded and replayed
    ChangesCatalogue,  // recorded; replayed only when the user agrees
    ViewOnly,          // shows or hides a window: kept only where a recorded action needs it
    Import,            // reads a file: what it filled in is recorded instead of the click
    Never,             // copies to the clipboard or ends the program
};

// The role of a click on `named` (a window's close box when the control is
// the window itself).
ActionRole actionRole(const NamedControl& named);

// The commands a design file may hold: the actions a user performs.
bool isActionCommand(const QString& command);

}  // namespace dravik
