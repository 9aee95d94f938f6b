#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>
#include <QStringList>

// Writing the catalogue files (Stal.dat, Provod.dat) so that nothing a user
// stored is ever half-written or silently replaced.
namespace dravik {

// Replaces the file with `bytes` through a temporary file, so a failure
// leaves the old file as it was. Throws CommandError with fileErrorText.
void writeWholeFile(const QString& path, const QByteArray& bytes);

// Copies the file `from` to `to` the same way, so a failed copy leaves no
// `to` behind. Throws CommandError with the system's reason.
void copyWholeFile(const QString& from, const QString& to);

// Keeps a damaged file as <path>.bad before anything replaces it: one copy,
// so an older .bad goes. Nothing to do when the file is gone. Throws
// CommandError with fileErrorText when the copy cannot be made.
void setAsideDamagedFile(const QString& path);

// Removes what interrupted saves left in `folder` next to the catalogues
// named `names`: files "<name>.XXXXXX", six letters or digits, as a save
// names its temporary file. Only files last written before `startedAt` go,
// so a save another running copy of the program is making now is left
// alone. A file that cannot be removed stays; nothing is reported.
void removeLeftoverTemporaries(const QString& folder, const QStringList& names, const QDateTime& startedAt);

// The text of a failed file operation: "File access denied" for missing
// permissions or a read-only medium, "Disk full" for a full disk or quota,
// otherwise the device's own description, or the system's when the device
// has none (a write cut short).
QString fileErrorText(QFileDevice::FileError error, int errorNumber, const QString& deviceText);
// The same for what just failed on `file`, with the system's error number.
QString fileErrorText(const QFileDevice& file, int errorNumber);

}  // namespace dravik
