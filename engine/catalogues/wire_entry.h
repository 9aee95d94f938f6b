#pragma once

#include "design/wire_record.h"

#include <QString>

namespace dravik {

// What the "Add wire" window holds when a wire is added: the type name, the
// chosen shape, the five number texts (their first "." already turned into
// ",") and the material text.
struct WireEntryTexts {
    QString tip;
    bool round = false;  // "Round" chosen, else "Rectangular"
    QString D, a, b, s, delta2;
    QString material;
};

// The wire the window describes. All five numbers are converted before
// anything else, so a text that is not a number (the conversion error) or a
// name with characters Windows-1251 cannot hold (the unstorable-name error)
// leaves no half-made wire behind. Tip and Mater are cut to 50 bytes. The
// sizes are stored as typed: zero, negative or inconsistent values are the
// user's to keep.
WireRecord wireFromEntry(const WireEntryTexts& texts);

}  // namespace dravik
