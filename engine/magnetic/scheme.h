#pragma once

#include <QString>
#include <optional>

namespace dravik {

// The connection scheme of the windings, as the design state numbers it:
// "Y/Yn-0" 1, "Y/Zn-11" 2, "D/Yn-0" 3. The text of the scheme list is
// compared exactly; any other text (typed into the editable list) has no
// scheme, and the caller keeps the one it had.
std::optional<int> schemeFromText(const QString& text);

}  // namespace dravik
