#include "catalogues/steel_catalogue.h"
#include "common/command_error.h"
#include "common/number_text.h"
#include "steel/hand_made_stal.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

namespace dravik {
namespace {

using test::HandSteel;

const QStringList kBuiltinNames = {"1512 GOST USSR 21427", "1513 GOST USSR 21427", "3404 GOST USSR 21427",
                                   "3405 GOST USSR 21427"};

// A linear characteristic from 0.8 to 1.8 T; resampled, point 1 lies at 0.84 T.
SteelInput linearSteel(const QString& name, int rollingChoice = 0) {
    const RawCurve curve = {{0.8, 1.0}, {1.8, 3.0}};
    return SteelInput{name, rollingChoice, "0,27", curve, curve, curve};
}

// The stored points as the steel editor shows them and reads them back.
RawCurve shownCurve(const SteelEntry& entry, double SteelPoint::*value) {
    RawCurve curve;
    for (int j = 0; j < kCurvePoints; ++j) {
        const SteelPoint& point = entry.points[static_cast<std::size_t>(j)];
        curve.push_back({parseFloat(formatF3(point.B)), parseFloat(formatF3(point.*value))});
    }
    return curve;
}

QString errorOf(const std::function<void()>& command) {
    try {
        command();
    } catch (const CommandError& error) {
        return error.text();
    }
    return "accepted";
}

class SteelCatalogueTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path() const { return folder.filePath("Stal.dat"); }
    void handMade(int count, const std::vector<HandSteel>& steels) { test::writeBytes(path(), test::handMadeRecord(count, steels)); }
};

TEST_F(SteelCatalogueTest, WithoutAFileHoldsTheBuiltInGrades) {
    SteelCatalogue catalogue;
    EXPECT_TRUE(catalogue.load(folder.path()).isEmpty());
    EXPECT_EQ(catalogue.names(), kBuiltinNames);
    EXPECT_EQ(catalogue.storedCount(), 0);
    const SteelEntry& grade3404 = catalogue.entries()[2];
    EXPECT_EQ(grade3404.rolling, 'c');
    EXPECT_EQ(catalogue.entries()[0].rolling, 'h');
    EXPECT_DOUBLE_EQ(grade3404.points[14].B, 1.5);
    EXPECT_DOUBLE_EQ(grade3404.points[14].p, 1.1);
    EXPECT_DOUBLE_EQ(grade3404.points[14].qz, 16600);
    EXPECT_EQ(catalogue.builtinPositionOf("3405 GOST USSR 21427"), 3);
    EXPECT_EQ(catalogue.builtinPositionOf("3405 GOST USSR 21427 "), -1);
}

TEST_F(SteelCatalogueTest, StoredSteelsFollowTheBuiltInOnesAndKeepOnlyTheirValidPoints) {
    std::vector<SteelPoint> four = {{1.0, 0.5, 0.6, 900}, {1.2, 0.6, 0.7, 1800}, {1.4, 0.7, 0.9, 3600},
                                    {1.6, 0.9, 1.4, 7200}, {1.8, 9, 9, 9}};
    handMade(2, {{"First", 'c', 0.3, 25, four}, {"Second", 'h', 0.35, 4, four}});
    SteelCatalogue catalogue;
    EXPECT_TRUE(catalogue.load(folder.path()).isEmpty());
    EXPECT_EQ(catalogue.names(), kBuiltinNames + QStringList({"First", "Second"}));
    const SteelEntry& second = catalogue.entries()[5];  // catalogue entry 6
    EXPECT_EQ(second.rolling, 'h');
    EXPECT_DOUBLE_EQ(second.thickness_mm, 0.35);
    EXPECT_DOUBLE_EQ(second.points[3].qz, 7200);
    EXPECT_EQ(second.points[4].B, 0.0);  // point 5 is not valid
    EXPECT_DOUBLE_EQ(catalogue.entries()[4].points[4].B, 1.8);
}

TEST_F(SteelCatalogueTest, AddedSteelsAreWrittenInTheRecordLayoutAndLoadBackIdentical) {
    SteelCatalogue writer;
    writer.load(folder.path());
    writer.add(linearSteel("Cold", 0));
    writer.add(linearSteel("Hot", 1));

    const QByteArray file = test::readBytes(path());
    ASSERT_EQ(file.size(), test::kRecordBytes);
    EXPECT_EQ(test::getU16(file, 59000), 2);                    // steel_count
    EXPECT_DOUBLE_EQ(test::getDouble(file, 8), 0.27);            // thickness of steel 2
    EXPECT_EQ(file.mid(8051, 4), QByteArray("\x03Hot", 4));     // name of steel 2
    EXPECT_EQ(file.mid(59002, 3), QByteArray("ch\0", 3));       // rolling: 'c', 'h', none beyond
    EXPECT_EQ(test::getU16(file, 60004), 25);                   // point_count of steel 2
    EXPECT_DOUBLE_EQ(test::getDouble(file, test::pointOffset(2, 1)), 0.84);
    EXPECT_DOUBLE_EQ(test::getDouble(file, test::pointOffset(2, 25) + 8), 3.0);

    SteelCatalogue reader;
    EXPECT_TRUE(reader.load(folder.path()).isEmpty());
    ASSERT_EQ(reader.entries().size(), writer.entries().size());
    for (std::size_t i = 0; i < reader.entries().size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reader.entries()[i].name, writer.entries()[i].name);
        EXPECT_EQ(reader.entries()[i].rolling, writer.entries()[i].rolling);
        EXPECT_EQ(reader.entries()[i].thickness_mm, writer.entries()[i].thickness_mm);
        for (int j = 0; j < kPointRoom; ++j) {
            const SteelPoint& a = reader.entries()[i].points[static_cast<std::size_t>(j)];
            const SteelPoint& b = writer.entries()[i].points[static_cast<std::size_t>(j)];
            EXPECT_TRUE(a.B == b.B && a.p == b.p && a.q == b.q && a.qz == b.qz) << "point " << j + 1;
        }
    }
}

TEST_F(SteelCatalogueTest, ReplacingAStoredSteelMovesItsFirstPointOneStepUp) {
    SteelCatalogue catalogue;
    catalogue.load(folder.path());
    catalogue.add(linearSteel("Grade", 1));
    const SteelEntry added = catalogue.entries()[4];
    EXPECT_DOUBLE_EQ(added.points[0].B, 0.84);
    EXPECT_DOUBLE_EQ(added.points[24].B, 1.8);

    SteelInput unchanged{added.name, 1, formatF3(added.thickness_mm), shownCurve(added, &SteelPoint::p),
                         shownCurve(added, &SteelPoint::q), shownCurve(added, &SteelPoint::qz)};
    catalogue.replace(1, unchanged);
    EXPECT_DOUBLE_EQ(catalogue.entries()[4].points[0].B, 0.8784);  // 0.84 + (1.8 - 0.84)/25
    EXPECT_EQ(catalogue.entries()[4].rolling, 'h');
    EXPECT_EQ(catalogue.names().size(), 5);
}

TEST_F(SteelCatalogueTest, NamesAreStoredAsWindows1251CutTo50Bytes) {
    SteelCatalogue catalogue;
    catalogue.load(folder.path());
    const QString sixty = QString("0123456789").repeated(6);
    catalogue.add(linearSteel(sixty));
    catalogue.add(linearSteel("Сталь 3408 холоднокатаная"));
    SteelCatalogue reader;
    reader.load(folder.path());
    EXPECT_EQ(reader.names().mid(4), QStringList({sixty.left(50), "Сталь 3408 холоднокатаная"}));
    EXPECT_EQ(test::readBytes(path()).at(8000), 50);
}

TEST_F(SteelCatalogueTest, EveryNameByteSurvivesAReplace) {
    std::vector<HandSteel> steels;
    for (int first = 1; first <= 255; first += 50) {
        QByteArray name;
        for (int byte = first; byte < first + 50 && byte <= 255; ++byte) name += static_cast<char>(byte);
        steels.push_back({name, 'c', 0.3, 0, {}});
    }
    handMade(static_cast<int>(steels.size()), steels);
    const QByteArray before = test::readBytes(path());
    SteelCatalogue catalogue;
    catalogue.load(folder.path());
    for (int k = 1; k <= catalogue.storedCount(); ++k) {
        SteelInput same = linearSteel(catalogue.names()[3 + k]);
        catalogue.replace(k, same);
    }
    const QByteArray after = test::readBytes(path());
    for (int k = 1; k <= static_cast<int>(steels.size()); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(after.mid(test::nameOffset(k), 51).toHex(), before.mid(test::nameOffset(k), 51).toHex());
    }
}

TEST_F(SteelCatalogueTest, ARefusedSteelChangesNeitherTheCatalogueNorTheFile) {
    handMade(1, {{"Stored", 'h', 0.3, 25, {{1.0, 1.0, 1.0, 1.0}}}});
    SteelCatalogue catalogue;
    catalogue.load(folder.path());
    const QByteArray file = test::readBytes(path());
    const QStringList names = catalogue.names();

    SteelInput badThickness = linearSteel("New");
    badThickness.thicknessText = "0.27";
    SteelInput onePoint = linearSteel("New");
    onePoint.q = {{1.0, 1.0}};
    SteelInput noThickness = linearSteel("New");
    noThickness.thicknessText = "0";
    SteelInput plate = linearSteel("New");
    plate.thicknessText = "5,01";
    SteelInput noRolling = linearSteel("New", -1);
    noRolling.thicknessText = "9";  // the thickness is checked first
    const struct Case {
        const char* expected;
        std::function<void()> command;
    } cases[] = {
        {"'0.27' is not a valid floating point value", [&] { catalogue.add(badThickness); }},
        {"Each curve needs at least two points with different inductions", [&] { catalogue.replace(1, onePoint); }},
        {"The name contains characters that cannot be stored: 钢", [&] { catalogue.add(linearSteel("钢 M4")); }},
        {"Choose a stored steel to edit", [&] { catalogue.replace(2, linearSteel("New")); }},
        {"δ, mm must be above 0 and at most 5: 0", [&] { catalogue.add(noThickness); }},
        {"δ, mm must be above 0 and at most 5: 5,01", [&] { catalogue.replace(1, plate); }},
        {"δ, mm must be above 0 and at most 5: 9", [&] { catalogue.add(noRolling); }},
        {"Rolling type must be Cold-rolled or Hot-rolled: ", [&] { catalogue.replace(1, linearSteel("New", -1)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(errorOf(c.command), QString(c.expected));
        EXPECT_EQ(catalogue.names(), names);
        EXPECT_EQ(catalogue.entries()[4].rolling, 'h');
        EXPECT_TRUE(test::readBytes(path()) == file);
    }
}

TEST_F(SteelCatalogueTest, UsesAtMost103StoredSteelsAndRefusesA104th) {
    std::vector<HandSteel> steels(2, HandSteel{"Kept", 'c', 0.3, 25, {{1.0, 1.0, 1.0, 1.0}}});
    steels[1].points.resize(26, SteelPoint{7, 7, 7, 7});  // data beyond the valid points
    std::vector<HandSteel> many(500, HandSteel{"Beyond", 'h', 0.3, 25, {}});
    steels.insert(steels.end(), many.begin(), many.end());
    handMade(65535, steels);
    const QByteArray before = test::readBytes(path());

    SteelCatalogue catalogue;
    EXPECT_EQ(catalogue.load(folder.path()), QStringList{"Stal.dat holds 65535 steels; only the first 103 are used"});
    EXPECT_EQ(catalogue.storedCount(), 103);
    EXPECT_EQ(catalogue.entries().size(), 107u);
    EXPECT_EQ(errorOf([&] { catalogue.add(linearSteel("New")); }), "At most 103 stored steels");
    EXPECT_TRUE(test::readBytes(path()) == before);

    catalogue.replace(1, linearSteel("Kept"));  // the rest of the record goes back untouched
    const QByteArray after = test::readBytes(path());
    const struct Range {
        const char* what;
        int from, to;  // byte offsets, end excluded
    } othersThanSteel1[] = {
        {"thickness", 8, 8000},          {"names and steel_count", 8051, 59002},
        {"rolling", 59003, 60002},       {"point_count", 60004, 60208},
        {"curves", test::pointOffset(2, 1), test::kRecordBytes},
    };
    for (const Range& range : othersThanSteel1) {
        SCOPED_TRACE(range.what);
        EXPECT_TRUE(after.mid(range.from, range.to - range.from) == before.mid(range.from, range.to - range.from));
    }
}

TEST_F(SteelCatalogueTest, AShortFileIsReportedAndKeptAsBadBeforeTheFirstWrite) {
    for (const QByteArray& damaged : {QByteArray(), QByteArray(1000, 'x')}) {
        SCOPED_TRACE(damaged.size());
        test::writeBytes(path(), damaged);
        test::writeBytes(path() + ".bad", "older damage");  // only the latest copy is kept
        SteelCatalogue catalogue;
        EXPECT_EQ(catalogue.load(folder.path()), QStringList{"Read beyond end of file"});
        EXPECT_EQ(catalogue.names(), kBuiltinNames);
        catalogue.add(linearSteel("After damage"));
        catalogue.add(linearSteel("Second"));  // the copy is made once
        EXPECT_EQ(test::readBytes(path() + ".bad"), damaged);
        EXPECT_EQ(test::getU16(test::readBytes(path()), 59000), 2);
        QFile::remove(path());
    }
}

// Steels no program could have stored are left out, reported once with the
// file's path; the others move up, and the file is kept as Stal.dat.bad
// before it is first rewritten.
TEST_F(SteelCatalogueTest, ImplausibleSteelsAreLeftOutAndTheFileKeptAsBad) {
    const std::vector<SteelPoint> points = {{1.0, 1.0, 1.0, 1.0}};
    handMade(4, {{"First", 'c', 0.3, 1, points},
                 {"Bad thickness", 'c', -0.3, 1, points},
                 {"Bad count", 'h', 0.3, 500, points},
                 {"Last", 'h', 0.35, 1, points}});
    const QByteArray damaged = test::readBytes(path());
    SteelCatalogue catalogue;
    EXPECT_EQ(catalogue.load(folder.path()),
              QStringList{path() + ": 2 records are not plausible and were left out"});
    EXPECT_EQ(catalogue.names(), kBuiltinNames + QStringList({"First", "Last"}));
    EXPECT_EQ(catalogue.storedEntry(2).thickness_mm, 0.35);
    EXPECT_TRUE(test::readBytes(path()) == damaged);

    catalogue.replace(2, linearSteel("Last"));
    catalogue.add(linearSteel("New"));
    EXPECT_TRUE(test::readBytes(path() + ".bad") == damaged);
    SteelCatalogue next;
    EXPECT_TRUE(next.load(folder.path()).isEmpty());
    EXPECT_EQ(next.names(), kBuiltinNames + QStringList({"First", "Last", "New"}));
}

TEST_F(SteelCatalogueTest, AFailedWriteKeepsTheChangeInMemoryAndTheOldFile) {
    handMade(1, {{"Stored", 'h', 0.3, 25, {{1.0, 1.0, 1.0, 1.0}}}});
    const QByteArray before = test::readBytes(path());
    SteelCatalogue catalogue;
    catalogue.load(folder.path());
    QString error;
    {
        const test::FileSizeLimit fullDisk(64 * 1024);  // the record is 8 MB
        error = errorOf([&] { catalogue.add(linearSteel("Unsaved")); });
    }
    EXPECT_EQ(error, "File too large");  // the system's own text: neither access nor disk space
    EXPECT_EQ(catalogue.names().last(), "Unsaved");
    EXPECT_TRUE(test::readBytes(path()) == before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Stal.dat"});  // no temporary left
}

// A Stal.dat that cannot be read (here a folder of that name, which stops
// root as well as anyone) is no catalogue, but it is not thrown away either.
TEST_F(SteelCatalogueTest, AnUnreadableFileIsKeptAsBadRatherThanOverwritten) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("Stal.dat"));
    test::writeBytes(path() + "/kept", "the user's");
    SteelCatalogue catalogue;
    EXPECT_TRUE(catalogue.load(folder.path()).isEmpty());
    EXPECT_EQ(catalogue.names(), kBuiltinNames);
    catalogue.add(linearSteel("New"));
    EXPECT_EQ(test::readBytes(path() + ".bad/kept"), "the user's");
    EXPECT_EQ(test::readBytes(path()).size(), test::kRecordBytes);
}

TEST_F(SteelCatalogueTest, AFolderThatIsGoneFailsTheWriteWithTheDeviceText) {
    SteelCatalogue catalogue;
    catalogue.load(folder.filePath("missing/sub"));
    EXPECT_NE(errorOf([&] { catalogue.add(linearSteel("Unsaved")); }), "accepted");
    EXPECT_EQ(catalogue.storedCount(), 1);
}

}  // namespace
}  // namespace dravik
