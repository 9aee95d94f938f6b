// The "Add wire" window: entering a wire, the close box that adds as "Add"
// does, a size that is not a number, and "Edit wire" bringing a stored wire
// back unchanged. Catalogues are written here record by record; the expected
// rows and records follow from what the script types.
#include "catalogues/provod_file.h"
#include "gui/stage2_support.h"
#include "wire/wire_samples.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace dravik::test {
namespace {

const QString kProvod = QStringLiteral("Provod.dat");

class AddWireWindow : public ::testing::Test {
protected:
    void writeCatalogue(const std::vector<WireRecord>& wires) { session.writeFile(kProvod, writeProvodImage(wires)); }
    QByteArray fileBytes() const { return session.readFile(kProvod); }
    std::vector<WireRecord> catalogue() const { return readProvodImage(fileBytes()); }

    ScriptSession session;
};

// The window's fields after an addition, and the grid.
const QString kAfterAdd = QStringLiteral(
    "state Provod_dobavitj\nprint Provod_dobavitj.Ed_Tip_Pr\nprint Provod_dobavitj.RG_Vid_sech\nprint Provod_dobavitj.Ed_D\nprint Provod_dobavitj.Ed_a\nprint Provod_dobavitj.Ed_b\nprint Provod_dobavitj.Ed_s\n"
    "print Provod_dobavitj.Ed_2delt\nprint SG_Sech\n");

// A rectangular wire typed with points: the points become commas, the wire
// goes into its group by section, the file is written, and the window is
// emptied and hidden.
TEST_F(AddWireWindow, AddStoresTheWireInItsGroupAndEmptiesTheWindow) {
    writeCatalogue({rectWire(QStringLiteral("ПБ"), 2), rectWire(QStringLiteral("ПБ"), 5)});
    const ScriptOutput output = session.run(
        toOpenCatalogue() + QStringLiteral("click But_Seh\nstate Provod_dobavitj\n"
                                           "set Provod_dobavitj.Ed_Tip_Pr ПБ\nset Provod_dobavitj.Ed_a 1.5\nset Provod_dobavitj.Ed_b 2,5\nset Provod_dobavitj.Ed_s 3.4\n"
                                           "set Provod_dobavitj.Ed_2delt 0,45\nchoose Provod_dobavitj.CB_Matr Copper\n"
                                           "click Provod_dobavitj.Button1\n") +
        kAfterAdd);
    EXPECT_EQ(joined(output.lines),
              "Provod_dobavitj enabled=1 visible=1\n"
              "Provod_dobavitj enabled=1 visible=0\n \nRectangular\n0\n0\n0\n0\n0\n"
              "ПБ\t1,000\t2,000\t2,000\t0,000\t0,450\tCopper\trect\n"
              "ПБ\t1,500\t2,500\t3,400\t0,000\t0,450\tCopper\trect\n"
              "ПБ\t1,000\t2,000\t5,000\t0,000\t0,450\tCopper\trect\n"
              "\t\t\t\t\t\t\t");
    const std::vector<WireRecord> stored = catalogue();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[1].a, 1.5);
    EXPECT_EQ(stored[1].b, 2.5);
    EXPECT_EQ(stored[1].s, 3.4);
    EXPECT_TRUE(stored[1].isRectangular());
}

// Entering the diameter makes the wire round and clears its sides; entering
// a side makes it rectangular again. The close box adds as "Add" does.
TEST_F(AddWireWindow, EnteringTheDiameterMakesARoundWireAndTheCloseBoxAddsIt) {
    writeCatalogue({rectWire(QStringLiteral("ПБ"), 2)});
    const ScriptOutput output = session.run(
        toOpenCatalogue() + QStringLiteral("click But_Seh\nset Provod_dobavitj.Ed_Tip_Pr ПЭТВ\nset Provod_dobavitj.Ed_a 1,8\nset Provod_dobavitj.Ed_b 5,6\n"
                                           "set Provod_dobavitj.Ed_D 1,12\nprint Provod_dobavitj.RG_Vid_sech\nprint Provod_dobavitj.Ed_a\nprint Provod_dobavitj.Ed_b\n"
                                           "set Provod_dobavitj.Ed_b 2\nprint Provod_dobavitj.RG_Vid_sech\nset Provod_dobavitj.Ed_D 1,12\n"
                                           "set Provod_dobavitj.Ed_s 0,985\nset Provod_dobavitj.Ed_2delt 0,1\nchoose Provod_dobavitj.CB_Matr Copper\n"
                                           "click Provod_dobavitj\n") +
        kAfterAdd);
    EXPECT_EQ(joined(output.lines),
              "Round\n0\n0\nRectangular\n"
              "Provod_dobavitj enabled=1 visible=0\n \nRectangular\n0\n0\n0\n0\n0\n"
              "ПБ\t1,000\t2,000\t2,000\t0,000\t0,450\tCopper\trect\n"
              "ПЭТВ\t0,000\t0,000\t0,985\t1,120\t0,100\tCopper\tсikl\n"
              "\t\t\t\t\t\t\t");
    const std::vector<WireRecord> stored = catalogue();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_TRUE(stored[1].isRound());
    EXPECT_EQ(stored[1].D, 1.12);
}

// A size that is not a number stops "Add" and the close box alike: the
// window stays open for it to be put right, and nothing is stored. Points
// already typed have become commas.
TEST_F(AddWireWindow, ASizeThatIsNotANumberKeepsTheWindowOpenAndStoresNothing) {
    writeCatalogue({rectWire(QStringLiteral("ПБ"), 2)});
    const QByteArray before = fileBytes();
    const ScriptOutput output = session.run(
        toOpenCatalogue() + QStringLiteral("click But_Seh\nset Provod_dobavitj.Ed_Tip_Pr ПБ\nset Provod_dobavitj.Ed_a 1.5\nset Provod_dobavitj.Ed_s 3.4x\n"
                                           "click Provod_dobavitj.Button1\nstate Provod_dobavitj\n"
                                           "click Provod_dobavitj\nstate Provod_dobavitj\n"
                                           "print Provod_dobavitj.Ed_Tip_Pr\nprint Provod_dobavitj.Ed_a\nprint SG_Sech\n"));
    EXPECT_EQ(joined(output.lines),
              "error: '3,4x' is not a valid floating point value\nProvod_dobavitj enabled=1 visible=1\n"
              "error: '3,4x' is not a valid floating point value\nProvod_dobavitj enabled=1 visible=1\n"
              "ПБ\n1,5\n"
              "ПБ\t1,000\t2,000\t2,000\t0,000\t0,450\tCopper\trect\n\t\t\t\t\t\t\t");
    EXPECT_EQ(fileBytes(), before);
}

// A full catalogue refuses a 5001st wire and stays as it was. "Add" keeps
// the window open; the close box lets it go, since no entry can fix that.
TEST_F(AddWireWindow, AFullCatalogueRefusesTheWire) {
    std::vector<WireRecord> full;
    for (int i = 0; i < kProvodCapacity; ++i) full.push_back(rectWire(QStringLiteral("ПБ"), 1 + i * 0.01));
    writeCatalogue(full);
    const QByteArray before = fileBytes();
    const ScriptOutput output = session.run(
        toOpenCatalogue() + QStringLiteral("click But_Seh\nset Provod_dobavitj.Ed_Tip_Pr ПБ\nset Provod_dobavitj.Ed_a 1\n"
                                           "set Provod_dobavitj.Ed_b 3\nset Provod_dobavitj.Ed_s 3\n"
                                           "click Provod_dobavitj.Button1\nstate Provod_dobavitj\n"
                                           "click Provod_dobavitj\nstate Provod_dobavitj\n"));
    EXPECT_EQ(joined(output.lines),
              "error: The wire table is full (5000 wires)\nProvod_dobavitj enabled=1 visible=1\n"
              "error: The wire table is full (5000 wires)\nProvod_dobavitj enabled=1 visible=0");
    EXPECT_EQ(fileBytes(), before);
}

// Opened and closed again without a thing typed, the window adds nothing and
// says nothing (it once stored a wire " " with every size 0). A wire no
// conductor can have is refused by "Add" and the close box alike, naming the
// field and its range; the window stays open and nothing is stored.
TEST_F(AddWireWindow, TheCloseBoxAddsNothingUntouchedAndNoImpossibleWire) {
    writeCatalogue({rectWire(QStringLiteral("ПБ"), 2)});
    const QByteArray before = fileBytes();
    const ScriptOutput output = session.run(
        toOpenCatalogue() + QStringLiteral("click But_Seh\nclick Provod_dobavitj\nstate Provod_dobavitj\n"
                                           "click But_Seh\nset Provod_dobavitj.Ed_Tip_Pr ПБ\nset Provod_dobavitj.Ed_a 1.5\n"
                                           "set Provod_dobavitj.Ed_s 3\nclick Provod_dobavitj.Button1\n"
                                           "click Provod_dobavitj\nstate Provod_dobavitj\n"));
    EXPECT_EQ(joined(output.lines),
              "Provod_dobavitj enabled=1 visible=0\n"
              "error: b, мм must be above 0 and at most 100: 0\nerror: b, мм must be above 0 and at most 100: 0\n"
              "Provod_dobavitj enabled=1 visible=1");
    EXPECT_EQ(fileBytes(), before);
}

// A wire "Edit wire" took out comes back through the close box even when
// nothing was typed; one that no longer passes the checks keeps the window
// open, so it is never lost.
TEST_F(AddWireWindow, AnEditedWireIsNeverLostByTheCloseBox) {
    WireRecord tooLarge = rectWire(QStringLiteral("ПБ"), 5);  // a·b is 2: stored before the checks existed
    writeCatalogue({rectWire(QStringLiteral("ПБ"), 2), rectWire(QStringLiteral("АПБ"), 1, QStringLiteral("Aluminum")), tooLarge});
    const ScriptOutput output = session.run(
        toOpenCatalogue() + QStringLiteral("pick SG_Sech 1\nclick Redakt_provod\nclick Provod_dobavitj\n"
                                           "state Provod_dobavitj\nprint SG_Sech\n"
                                           "pick SG_Sech 1\nclick Redakt_provod\nclick Provod_dobavitj\n"
                                           "state Provod_dobavitj\nstate But_Seh\n"));
    EXPECT_EQ(joined(output.lines),
              "Provod_dobavitj enabled=1 visible=0\n"
              "ПБ\t1,000\t2,000\t2,000\t0,000\t0,450\tCopper\trect\n"
              "ПБ\t1,000\t2,000\t5,000\t0,000\t0,450\tCopper\trect\n"
              "АПБ\t1,000\t2,000\t1,000\t0,000\t0,450\tAluminum\trect\n\t\t\t\t\t\t\t\n"
              "error: s, мм2 must be at most a·b: 5,000\nProvod_dobavitj enabled=1 visible=1\n"
              "But_Seh enabled=0 visible=1");
}

struct EditCase {
    const char* name;
    int row;
    const char* fields;  // the window's fields as the wire is shown for editing
    const char* row_shown;
};

class EditWire : public AddWireWindow, public ::testing::WithParamInterface<EditCase> {};

// "Edit wire" shows the selected wire as stored (a round wire stays round, a
// rectangular one keeps its sides, a material of another name stays), takes
// it out, and holds Remove, Edit and "Add wire" back until it is added
// again. Added unchanged, it is the same wire as before, in the file too.
TEST_P(EditWire, ShowsTheWireAsStoredAndAddsItBackUnchanged) {
    WireRecord rectangular = rectWire(QStringLiteral("ПБ"), 9.55, QStringLiteral("Cu-ETP"), 0.45, 1.8);
    rectangular.b = 5.6;
    std::vector<WireRecord> wires{rectangular, roundWire(QStringLiteral("ПЭТВ"), 1.12, 0.985)};
    writeCatalogue(wires);
    const ScriptOutput output = session.run(
        toOpenCatalogue() +
        QStringLiteral("pick SG_Sech %1\nclick Redakt_provod\n"
                       "print Provod_dobavitj.Ed_Tip_Pr\nprint Provod_dobavitj.RG_Vid_sech\nprint Provod_dobavitj.Ed_D\nprint Provod_dobavitj.Ed_a\nprint Provod_dobavitj.Ed_b\nprint Provod_dobavitj.Ed_s\n"
                       "print Provod_dobavitj.Ed_2delt\nprint Provod_dobavitj.CB_Matr\n"
                       "state Delet_provod\nstate Redakt_provod\nstate But_Seh\nprint SG_Sech\n"
                       "click Provod_dobavitj.Button1\nstate Delet_provod\nstate Redakt_provod\nstate But_Seh\n"
                       "print SG_Sech\n")
            .arg(GetParam().row));
    const QStringList lines = output.lines;
    ASSERT_EQ(lines.size(), 8 + 3 + 2 + 3 + 3);
    EXPECT_EQ(joined(lines.mid(0, 8)), GetParam().fields);
    EXPECT_EQ(joined(lines.mid(8, 3)),
              "Delet_provod enabled=0 visible=1\nRedakt_provod enabled=0 visible=1\nBut_Seh enabled=0 visible=1");
    EXPECT_FALSE(lines.mid(11, 2).contains(QString::fromUtf8(GetParam().row_shown)));
    EXPECT_EQ(joined(lines.mid(13, 3)),
              "Delet_provod enabled=1 visible=1\nRedakt_provod enabled=1 visible=1\nBut_Seh enabled=1 visible=1");
    EXPECT_TRUE(lines.mid(16, 2).contains(QString::fromUtf8(GetParam().row_shown)));

    std::vector<WireRecord> stored = catalogue();
    const auto byName = [](const WireRecord& left, const WireRecord& right) { return left.Tip < right.Tip; };
    std::sort(stored.begin(), stored.end(), byName);
    std::sort(wires.begin(), wires.end(), byName);
    EXPECT_EQ(stored, wires);
}

INSTANTIATE_TEST_SUITE_P(
    StoredShapes, EditWire,
    ::testing::Values(EditCase{"Rectangular", 0, "ПБ\nRectangular\n0,000\n1,800\n5,600\n9,550\n0,450\nCu-ETP",
                               "ПБ\t1,800\t5,600\t9,550\t0,000\t0,450\tCu-ETP\trect"},
                      EditCase{"Round", 1, "ПЭТВ\nRound\n1,120\n0,000\n0,000\n0,985\n0,100\nCopper",
                               "ПЭТВ\t0,000\t0,000\t0,985\t1,120\t0,100\tCopper\tсikl"}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return info.param.name; });

// With the blank row after the wires selected there is no wire to edit or
// remove: both do nothing.
TEST_F(AddWireWindow, EditAndRemoveOfTheBlankRowDoNothing) {
    writeCatalogue({rectWire(QStringLiteral("ПБ"), 2)});
    const QByteArray before = fileBytes();
    const ScriptOutput output = session.run(toOpenCatalogue() +
                                            QStringLiteral("pick SG_Sech 1\nclick Redakt_provod\nclick Delet_provod\n"
                                                           "state Provod_dobavitj\nstate But_Seh\nprint SG_Sech\n"));
    EXPECT_EQ(joined(output.lines),
              "Provod_dobavitj enabled=1 visible=0\nBut_Seh enabled=1 visible=1\n"
              "ПБ\t1,000\t2,000\t2,000\t0,000\t0,450\tCopper\trect\n\t\t\t\t\t\t\t");
    EXPECT_EQ(fileBytes(), before);
}

}  // namespace
}  // namespace dravik::test
