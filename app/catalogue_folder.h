#pragma once

#include <QString>
#include <optional>

namespace dravik {

// The folder of Stal.dat and Provod.dat: the one named on the command line,
// else the user's application data folder, created when missing. What
// saves interrupted before this run left next to the catalogues (a killed
// program, a power cut) is removed.
QString catalogueFolder(const std::optional<QString>& dataDir);

// The standard wire range installed beside the executable.
QString shippedWireCatalogue();

}  // namespace dravik
