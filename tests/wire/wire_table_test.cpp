#include "catalogues/provod_file.h"
#include "catalogues/wire_table.h"
#include "common/command_error.h"
#include "support/file_size_limit.h"
#include "wire/wire_samples.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace dravik {
namespace {

using test::rectWire;
using test::roundWire;
using test::sectionsOf;

class WireTableTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return QDir(folder.path()).filePath(QString::fromUtf8(name)); }

    QByteArray fileBytes(const char* name = "Provod.dat") const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeFile(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    std::vector<WireRecord> fileWires() const { return readProvodImage(fileBytes()); }

    // A table loaded from a file holding `wires`, as the user left it.
    void loadWith(const std::vector<WireRecord>& wires) {
        writeFile("Provod.dat", writeProvodImage(wires));
        ASSERT_TRUE(table.load(folder.path(), QString()).isEmpty());
    }

    QTemporaryDir folder;
    WireTable table;
};

TEST_F(WireTableTest, MissingFileIsCreatedEmpty) {
    EXPECT_TRUE(table.load(folder.path(), path("no-shipped-catalogue.dat")).isEmpty());
    EXPECT_EQ(table.count(), 0);
    EXPECT_FALSE(table.tableLoaded());
    EXPECT_FALSE(table.emptyTable());
    ASSERT_TRUE(QFile::exists(path("Provod.dat")));
    EXPECT_EQ(fileBytes().size(), 0);
    EXPECT_EQ(table.filePath(), path("Provod.dat"));

    // The 0-byte file it leaves is an empty catalogue at the next start.
    WireTable next;
    EXPECT_TRUE(next.load(folder.path(), QString()).isEmpty());
    EXPECT_EQ(next.count(), 0);
}

TEST_F(WireTableTest, MissingFileStartsFromTheShippedCatalogue) {
    const std::vector<WireRecord> shipped = {rectWire("ПБ", 1.0), rectWire("ПБ", 2.0)};
    writeFile("shipped.dat", writeProvodImage(shipped));
    EXPECT_TRUE(table.load(folder.path(), path("shipped.dat")).isEmpty());
    EXPECT_TRUE(table.tableLoaded());
    EXPECT_EQ(table.records(), shipped);
    EXPECT_EQ(fileWires(), shipped);

    // A catalogue already there is never replaced by the shipped one.
    table.add(rectWire("ПБ", 3.0));
    WireTable next;
    next.load(folder.path(), path("shipped.dat"));
    EXPECT_EQ(next.count(), 3);
}

// A copy that cannot be finished (here the file may not grow, as on a full
// disk) is reported with the system's reason and leaves no Provod.dat: an
// empty file would have been an empty catalogue at every later start.
TEST_F(WireTableTest, AFailedCopyOfTheShippedCatalogueLeavesNoFileAndIsTriedAgain) {
    const std::vector<WireRecord> shipped = {rectWire("ПБ", 1.0), rectWire("ПБ", 2.0)};
    writeFile("shipped.dat", writeProvodImage(shipped));
    {
        const test::FileSizeLimit fullDisk(4096);
        EXPECT_EQ(table.load(folder.path(), path("shipped.dat")),
                  QStringList{"Cannot copy the shipped wire catalogue to " + path("Provod.dat") + ": File too large"});
    }
    EXPECT_EQ(table.count(), 0);
    EXPECT_FALSE(table.tableLoaded());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"shipped.dat"});

    WireTable next;
    EXPECT_TRUE(next.load(folder.path(), path("shipped.dat")).isEmpty());
    EXPECT_EQ(next.records(), shipped);
}

TEST_F(WireTableTest, AddToAnEmptyCatalogueStoresRecordOne) {
    table.load(folder.path(), QString());
    const WireRecord wire = rectWire("ПБ", 2.0);
    table.add(wire);
    EXPECT_EQ(table.records(), std::vector<WireRecord>{wire});
    EXPECT_EQ(fileWires(), std::vector<WireRecord>{wire});
}

TEST_F(WireTableTest, AdditionRegroupsSortsAndSaves) {
    loadWith({rectWire("ПБ", 1.0), rectWire("ПБ", 3.0), roundWire("ПЭТВ", 1.0, 0.785)});
    table.add(rectWire("П Б", 2.0));
    EXPECT_EQ(sectionsOf(table.records()), (std::vector<double>{1.0, 2.0, 3.0, 0.785}));
    EXPECT_EQ(fileWires(), table.records());
}

TEST_F(WireTableTest, RemovingTheOnlyWireLeavesThePlaceholderThatTheNextAddReplaces) {
    loadWith({rectWire("ПБ", 1.0)});
    table.remove(0);
    EXPECT_EQ(table.records(), std::vector<WireRecord>{blankPlaceholder()});
    EXPECT_TRUE(table.emptyTable());
    EXPECT_FALSE(table.isRealWire(0));
    EXPECT_EQ(fileWires(), std::vector<WireRecord>{blankPlaceholder()});

    // The placeholder read back from the file is still the placeholder.
    WireTable next;
    next.load(folder.path(), QString());
    EXPECT_TRUE(next.emptyTable());
    const WireRecord wire = roundWire("ПЭТВ", 1.0, 0.785);
    next.add(wire);
    EXPECT_FALSE(next.emptyTable());
    EXPECT_EQ(next.records(), std::vector<WireRecord>{wire});
    EXPECT_EQ(fileWires(), std::vector<WireRecord>{wire});
}

// Only the full pattern is the placeholder: a real wire named "A" or " " stays.
TEST_F(WireTableTest, ShortNamedSingleWireIsNotOverwritten) {
    for (const char* name : {"A", " ", ""}) {
        SCOPED_TRACE(name);
        const WireRecord single = rectWire(name, 1.0);
        loadWith({single});
        EXPECT_FALSE(table.emptyTable());
        EXPECT_TRUE(table.isRealWire(0));
        table.add(rectWire("ПБ", 2.0));
        EXPECT_EQ(table.count(), 2);
        EXPECT_EQ(table.records().front(), single);
    }
}

TEST_F(WireTableTest, RemoveKeepsTheOthersInOrder) {
    const std::vector<WireRecord> wires = {rectWire("ПБ", 1.0), rectWire("ПБ", 2.0), rectWire("ПБ", 3.0),
                                           rectWire("ПБ", 4.0)};
    struct Case {
        int row;
        std::vector<double> left;
    };
    const Case cases[] = {
        {1, {1.0, 3.0, 4.0}},       // a middle wire
        {3, {1.0, 2.0, 3.0}},       // the last wire
        {0, {2.0, 3.0, 4.0}},       // the first wire
        {4, {1.0, 2.0, 3.0, 4.0}},  // the blank row after the last wire
        {-1, {1.0, 2.0, 3.0, 4.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        loadWith(wires);
        table.remove(c.row);
        EXPECT_EQ(sectionsOf(table.records()), c.left);
        EXPECT_EQ(sectionsOf(fileWires()), c.left);
    }
}

TEST_F(WireTableTest, NothingToRemoveOrEditInAnEmptyCatalogue) {
    table.load(folder.path(), QString());
    table.remove(0);
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.takeOut(0), WireRecord{});
    EXPECT_EQ(fileBytes().size(), 0);

    loadWith({rectWire("ПБ", 1.0)});
    table.remove(0);
    const QByteArray placeholderFile = fileBytes();
    table.remove(0);  // the placeholder's row holds no wire
    EXPECT_EQ(table.takeOut(0), WireRecord{});
    EXPECT_TRUE(table.emptyTable());
    EXPECT_EQ(fileBytes(), placeholderFile);
}

// Edit takes the wire out without a write; adding it back restores the table.
TEST_F(WireTableTest, EditRoundTrip) {
    const std::vector<WireRecord> wires = {rectWire("ПБ", 1.0), rectWire("ПБ", 2.0), rectWire("ПБ", 3.0)};
    loadWith(wires);
    const QByteArray before = fileBytes();

    const WireRecord edited = table.takeOut(1);
    EXPECT_EQ(edited, wires[1]);
    EXPECT_EQ(sectionsOf(table.records()), (std::vector<double>{1.0, 3.0}));
    EXPECT_EQ(fileBytes(), before);

    table.add(edited);
    EXPECT_EQ(table.records(), wires);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(WireTableTest, EditingTheOnlyWireLeavesThePlaceholderUntilItIsAddedBack) {
    const WireRecord wire = rectWire("ПБ", 1.0);
    loadWith({wire});
    EXPECT_EQ(table.takeOut(0), wire);
    EXPECT_TRUE(table.emptyTable());
    table.add(wire);
    EXPECT_EQ(table.records(), std::vector<WireRecord>{wire});
}

TEST_F(WireTableTest, The5001stWireIsRefused) {
    loadWith(std::vector<WireRecord>(5000, rectWire("ПБ", 1.0)));
    const QByteArray before = fileBytes();
    try {
        table.add(rectWire("ПБ", 2.0));
        FAIL() << "accepted";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("The wire table is full (5000 wires)"));
    }
    EXPECT_EQ(table.count(), 5000);
    EXPECT_EQ(fileBytes(), before);
}

// A damaged file gives an empty catalogue and survives as Provod.dat.bad.
TEST_F(WireTableTest, DamagedFileIsKeptAsBadBeforeTheFirstWrite) {
    QByteArray countTooHigh = writeProvodImage({rectWire("ПБ", 1.0)});
    qToLittleEndian<quint16>(5001, countTooHigh.data());
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"short", QByteArray("not a catalogue")},
        {"count 5001", countTooHigh},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("Provod.dat", c.bytes);
        EXPECT_EQ(table.load(folder.path(), QString()), QStringList{QStringLiteral("Read beyond end of file")});
        EXPECT_EQ(table.count(), 0);
        EXPECT_FALSE(table.tableLoaded());
        EXPECT_EQ(fileBytes(), c.bytes);  // untouched until something is saved

        const WireRecord wire = rectWire("ПБ", 2.0);
        table.add(wire);
        EXPECT_EQ(fileBytes("Provod.dat.bad"), c.bytes);
        EXPECT_EQ(fileWires(), std::vector<WireRecord>{wire});

        table.add(rectWire("ПБ", 3.0));  // later writes leave the kept file alone
        EXPECT_EQ(fileBytes("Provod.dat.bad"), c.bytes);
    }
}

// Records no program could have written are left out, reported once with
// the file's path, and the file is kept as Provod.dat.bad before it is
// first rewritten; the plausible wires stay in their order.
TEST_F(WireTableTest, ImplausibleRecordsAreLeftOutAndTheFileKeptAsBad) {
    WireRecord negative = rectWire("ПБ", 2.0);
    negative.a = -1.8;
    const std::vector<WireRecord> kept = {rectWire("ПБ", 1.0), rectWire("ПБ", 3.0)};
    const QByteArray damaged = writeProvodImage({kept[0], negative, negative, kept[1]});
    writeFile("Provod.dat", damaged);
    EXPECT_EQ(table.load(folder.path(), QString()),
              QStringList{path("Provod.dat") + ": 2 records are not plausible and were left out"});
    EXPECT_EQ(table.records(), kept);
    EXPECT_TRUE(table.tableLoaded());
    EXPECT_EQ(fileBytes(), damaged);

    table.add(rectWire("ПБ", 2.0));
    table.add(rectWire("ПБ", 4.0));
    EXPECT_EQ(fileBytes("Provod.dat.bad"), damaged);
    EXPECT_EQ(sectionsOf(fileWires()), (std::vector<double>{1.0, 2.0, 3.0, 4.0}));
    WireTable next;
    EXPECT_TRUE(next.load(folder.path(), QString()).isEmpty());
}

TEST_F(WireTableTest, FailedWriteIsReportedAndKeepsTheChangeInMemory) {
    loadWith({rectWire("ПБ", 1.0)});
    ASSERT_TRUE(QDir(folder.path()).removeRecursively());
    EXPECT_THROW(table.add(rectWire("ПБ", 2.0)), CommandError);
    EXPECT_EQ(table.count(), 2);
}

// A write that cannot finish (the file may not grow, as on a full disk) leaves
// the file as it was, and no temporary beside it.
TEST_F(WireTableTest, AWriteCutShortKeepsTheOldFile) {
    loadWith({rectWire("ПБ", 1.0)});
    const QByteArray before = fileBytes();
    {
        const test::FileSizeLimit fullDisk(4096);
        EXPECT_THROW(table.add(rectWire("ПБ", 2.0)), CommandError);
    }
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Provod.dat"});
}

}  // namespace
}  // namespace dravik
