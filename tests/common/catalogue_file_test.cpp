#include "common/catalogue_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dravik {
namespace {

// A file in `folder` last written at `when`; a folder when `asFolder`.
void makeFile(const QString& folder, const QString& name, const QDateTime& when, bool asFolder = false) {
    const QString path = QDir(folder).filePath(name);
    if (asFolder) {
        ASSERT_TRUE(QDir(folder).mkdir(name));
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("left over");
    file.flush();  // a write after the time is set would set it again
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

// Only what an interrupted save of a catalogue leaves goes, and only when it
// is older than the running program: a newer one may be the save another
// copy of the program is making right now.
TEST(LeftoverTemporaries, OnlyOldTemporariesOfTheCataloguesAreRemoved) {
    QTemporaryDir folder;
    const QDateTime started = QDateTime::currentDateTimeUtc();
    const QDateTime before = started.addSecs(-3600);
    const struct Case {
        const char* name;
        bool removed;
        QDateTime when;
        bool asFolder = false;
    } cases[] = {
        {"Stal.dat.aB3xY9", true, before},
        {"Provod.dat.QWERTY", true, before},
        {"Provod.dat.123456", true, started.addMSecs(-1)},
        {"Provod.dat.Ab12Cd", false, started.addSecs(1)},  // being written now
        {"Stal.dat", false, before},
        {"Stal.dat.bad", false, before},
        {"Stal.dat.abcdefg", false, before},
        {"Stal.dat.abc-12", false, before},
        {"stal.dat.abcdef", false, before},
        {"Other.dat.abcdef", false, before},
        {"Stal.dat.folder", false, before, true},
    };
    for (const Case& c : cases) makeFile(folder.path(), c.name, c.when, c.asFolder);

    removeLeftoverTemporaries(folder.path(), {"Stal.dat", "Provod.dat"}, started);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QFileInfo::exists(folder.filePath(c.name)), !c.removed);
    }
}

}  // namespace
}  // namespace dravik
