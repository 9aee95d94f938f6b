#pragma once

#include <QString>
#include <optional>

namespace dravik {

// The folder of Stal.dat and Provod.dat: the one named on the command line,
// else the user's application data folder, created when missing. What
// saves interrupted before this run left next to the catalogues (a killed
// program, a power cut) is removed.
QString catalogueFolder(const std::optional<QString>& dataDir);

// The standard wire range shipped with the program: share/dravik/Provod.dat
// beside the program's folder, in an installation (/usr/bin/dravik,
// /usr/share/dravik) as in the build tree (app/dravik, share/dravik).
QString shippedWireCatalogue();

}  // namespace dravik
