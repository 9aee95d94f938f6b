#include "catalogues/stal_file.h"
#include "common/catalogue_file.h"
#include "common/command_error.h"
#include "steel/hand_made_stal.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <limits>

namespace dravik {
namespace {

using test::HandSteel;

TEST(StalImage, ClampsWhatADamagedRecordWouldOverrun) {
    HandSteel longName{QByteArray(60, 'A'), 'x', 0.35, 3000, {{1.0, 2.0, 3.0, 4.0}}, 200};
    HandSteel negativeCount{"B", 'h', 0.27, -5, {{1.0, 2.0, 3.0, 4.0}}};
    const StalImage image(test::handMadeRecord(2, {longName, negativeCount}));

    EXPECT_EQ(image.name(1), QByteArray(50, 'A'));  // length byte 200 read as 50
    EXPECT_EQ(image.rolling(1), 0);                 // 'x' is no rolling type
    EXPECT_EQ(image.pointCount(1), 100);
    EXPECT_EQ(image.pointCount(2), 0);
    EXPECT_EQ(image.rolling(2), 'h');
    EXPECT_DOUBLE_EQ(image.thickness_mm(2), 0.27);
    EXPECT_EQ(image.entry(2).points[0].B, 0.0);  // no valid points: nothing copied
}

// Each fault a steel this program wrote cannot have makes it implausible;
// points beyond the count are not looked at.
TEST(StalImage, TellsPlausibleSteelsFromDamagedOnes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const HandSteel good{"Good", 'c', 0.27, 2, {{1.0, 0.5, 0.6, 900}, {1.5, 1.0, -1.0, 1800}, {nan, nan, nan, nan}}};
    struct Case {
        const char* name;
        HandSteel steel;
        bool plausible;
    };
    std::vector<Case> cases = {{"as written", good, true}};
    const auto with = [&](const char* name, auto change) {
        HandSteel steel = good;
        change(steel);
        cases.push_back({name, steel, false});
    };
    with("thickness not a number", [&](HandSteel& s) { s.thickness_mm = nan; });
    with("negative thickness", [](HandSteel& s) { s.thickness_mm = -0.27; });
    with("name length above its room", [](HandSteel& s) { s.nameLengthByte = 51; });
    with("name holding a byte 0", [](HandSteel& s) { s.name = QByteArray("Go\0d", 4); });
    with("negative point count", [](HandSteel& s) { s.pointCount = -1; });
    with("point count above its room", [](HandSteel& s) { s.pointCount = 101; });
    with("an infinite point", [](HandSteel& s) { s.points[1].qz = std::numeric_limits<double>::infinity(); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StalImage(test::handMadeRecord(1, {c.steel})).isPlausible(1), c.plausible);
    }
}

TEST(ReadStalFile, NeedsOneWholeRecordAndReadsNoMore) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Stal.dat");
    for (const qsizetype size : {qsizetype(test::kRecordBytes - 1), qsizetype(test::kRecordBytes + 100)}) {
        SCOPED_TRACE(size);
        QByteArray bytes(size, '\0');
        test::putLittleEndian(bytes, 59000, 7, 2);
        test::writeBytes(path, bytes);
        const StalReadResult read = readStalFile(path);
        const bool whole = size >= test::kRecordBytes;
        EXPECT_EQ(read.status, whole ? StalReadStatus::Read : StalReadStatus::Short);
        EXPECT_EQ(read.image.bytes().size(), test::kRecordBytes);
        EXPECT_EQ(read.image.steelCount(), whole ? 7 : 0);
    }
}

TEST(FileErrorText, NamesAccessAndFullDiskAndOtherwiseQuotesTheDevice) {
    struct Case {
        QFileDevice::FileError error;
        int errorNumber;
        const char* expected;
    } cases[] = {
        {QFileDevice::PermissionsError, 0, "File access denied"},
        {QFileDevice::OpenError, EACCES, "File access denied"},
        {QFileDevice::OpenError, EROFS, "File access denied"},
        {QFileDevice::WriteError, ENOSPC, "Disk full"},
        {QFileDevice::WriteError, EDQUOT, "Disk full"},
        {QFileDevice::OpenError, ENOENT, "No such file or directory"},
        {QFileDevice::NoError, EFBIG, "File too large"},  // a write cut short by the file size limit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(fileErrorText(c.error, c.errorNumber, "No such file or directory"), QString(c.expected));
    }
}

}  // namespace
}  // namespace dravik
