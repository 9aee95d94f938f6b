#pragma once

#include "session.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace dravik {

// A line of a design that would add, change or remove a wire or a steel.
struct CatalogueLine {
    int number;
    QString text;
};

// What to do with such lines: a design never changes a catalogue unasked.
// Refuse says why the design was not opened; Cancel says nothing (the user
// chose not to open it).
enum class CatalogueChoice { Replay, Skip, Refuse, Cancel };
using CatalogueQuestion = std::function<CatalogueChoice(const std::vector<CatalogueLine>&)>;

struct OpenedDesign {
    std::unique_ptr<Session> session;  // the design, when it opened
    QString problem;                   // why it did not, in the user's words
    // The catalogue files that differ from the ones the design was made
    // with ("Stal.dat", "Provod.dat" or both); empty when none does.
    QString changedCatalogues;
};

// Opens the design in `path` into a session of its own, which nothing else
// sees until it is returned: reads the file, checks that every line is an
// action on a control the windows have, asks `question` about the lines
// that would change a catalogue, and replays the lines through the script
// runner, as a script run would. The session returned is on its windows'
// off-screen showing, with no messages and no "Exit" of its own.
OpenedDesign openDesign(const QString& path, const SessionSettings& settings, const CatalogueQuestion& question);

}  // namespace dravik
