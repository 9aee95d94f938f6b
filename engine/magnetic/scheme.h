#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace dravik {

// The texts of the scheme list, in its order.
QStringList schemeNames();

// The connection scheme of the windings, as the design state numbers it:
// "Y/Yn-0" 1, "Y/Zn-11" 2, "D/Yn-0" 3. The text of the scheme list is
// compared exactly; any other text (typed into the editable list) has no
// scheme, and the caller keeps the one it had.
std::optional<int> schemeFromText(const QString& text);

// A star LV (under a star or a delta HV) carries the compensating KU
// winding; the zigzag LV suppresses the zero-sequence flux itself.
bool carriesKuWinding(int scheme);

}  // namespace dravik
