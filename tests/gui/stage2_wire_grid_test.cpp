// The wire grid of Stage II: what a new user finds in it, picking a wire for
// a winding, removing wires and searching the table, through the real
// windows. Catalogues are written here record by record, so the expected
// rows follow from them (and, for the standard range, from the shipped
// wire list) rather than from a run of the program.
#include "catalogues/provod_file.h"
#include "common/number_text.h"
#include "gui/stage2_support.h"
#include "wire/wire_samples.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace dravik::test {
namespace {

const QString kProvod = QStringLiteral("Provod.dat");
const QString kBlankRow = QStringLiteral("\t\t\t\t\t\t\t");

// No file reads as an empty catalogue.
std::vector<WireRecord> catalogueIn(const ScriptSession& session) { return readProvodImage(session.readFile(kProvod)); }

// Column 3 of the printed grid rows: the sections, as the grid shows them.
QStringList sections(const QStringList& gridRows) {
    QStringList result;
    for (const QString& row : gridRows) result.append(row.section(QLatin1Char('\t'), 3, 3));
    return result;
}

// The shipped range, as its wire list gives it: 215 rectangular aluminium
// АПБ wires, 215 rectangular copper ПБ wires, 15 round enamelled copper ПЭТВ
// wires and 13 round aluminium АПБ wires, each group by rising section.
TEST(WireGrid, ANewUserFindsTheStandardRangeOfWires) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral("print SG_Sech\n"));
    ASSERT_EQ(output.lines.size(), 459);
    EXPECT_EQ(output.lines[0], QStringLiteral("АПБ\t0,900\t2,000\t1,626\t0,000\t0,450\tAluminum\trect"));
    EXPECT_EQ(output.lines[1], QStringLiteral("АПБ\t1,000\t2,000\t1,785\t0,000\t0,450\tAluminum\trect"));
    EXPECT_EQ(output.lines[214], QStringLiteral("АПБ\t5,600\t16,000\t88,742\t0,000\t0,450\tAluminum\trect"));
    EXPECT_EQ(output.lines[215], QStringLiteral("ПБ\t0,900\t2,000\t1,626\t0,000\t0,450\tCopper\trect"));
    EXPECT_EQ(output.lines[430], QStringLiteral("ПЭТВ\t0,000\t0,000\t0,196\t0,500\t0,100\tCopper\tсikl"));
    EXPECT_EQ(output.lines[445], QStringLiteral("АПБ\t0,000\t0,000\t0,785\t1,000\t0,300\tAluminum\tсikl"));
    EXPECT_EQ(output.lines[457], QStringLiteral("АПБ\t0,000\t0,000\t12,566\t4,000\t0,300\tAluminum\tсikl"));
    EXPECT_EQ(output.lines[458], kBlankRow);
    // The copy in the user's folder is the catalogue from now on.
    EXPECT_EQ(QFileInfo(QDir(session.dataDir()).filePath(kProvod)).size(), kProvodImageBytes);
    EXPECT_EQ(catalogueIn(session).size(), 458u);
}

// A picked wire is the LV conductor: after a completed LV calculation the
// next one goes on only with a wire picked under "Lower voltage", and then
// takes that wire with the spin edit's single conductor. The blank row after
// the wires picks nothing.
TEST(WireGrid, APickUnderLowerVoltageIsTheLvConductor) {
    ScriptSession session;
    const ScriptOutput output = session.run(toOpenCatalogue() +
                                            QStringLiteral("click RaschetObmotki_NN\n"
                                                           "pick SG_Sech 458\nprint L_Tip_Pr\n"
                                                           "click RaschetObmotki_NN\n"
                                                           "pick SG_Sech 1\nprint L_Tip_Pr\n"
                                                           "click RaschetObmotki_NN\nprint Memo_Rez_ob\n"));
    const QString notSelected = QStringLiteral("The wire is not selected. Select the wire to continue the calculation");
    ASSERT_GE(output.lines.size(), 2);
    EXPECT_EQ(output.lines[0], QStringLiteral("Type of wire LV:"));
    EXPECT_EQ(output.lines[1], QStringLiteral("Type of wire LV: АПБ 1,785 мм2"));
    const QStringList memo = output.lines.mid(2);
    EXPECT_EQ(memo.count(notSelected), 2);
    const QStringList afterPick = from(memo.mid(memo.lastIndexOf(notSelected) + 1),
                                       QStringLiteral("The final selection of the type of wire LV winding:"));
    ASSERT_FALSE(afterPick.isEmpty());
    EXPECT_EQ(afterPick[0], QStringLiteral("The final selection of the type of wire LV winding: АПБ 1,785mm2 parallel wires a=1"));
}

// Under "Higher voltage" a pick names the HV wire in Latin letters, and the
// next HV calculation takes it instead of searching.
TEST(WireGrid, APickUnderHigherVoltageIsTheHvConductor) {
    ScriptSession session;
    const ScriptOutput output = session.run(toOpenCatalogue() +
                                            QStringLiteral("choose CB_NN_VN Higher voltage\nclick Rasch_Obmotok\n"
                                                           "pick SG_Sech 430\nprint L_Tip_Pr\n"
                                                           "click Rasch_Obmotok\nprint Memo_Rez_ob\n"));
    ASSERT_FALSE(output.lines.isEmpty());
    EXPECT_EQ(output.lines[0], QStringLiteral("Type of wire HV: ПЭТВ 0,196 mm2"));
    EXPECT_TRUE(output.lines.contains(
        QStringLiteral("The final selection of the type of wire HV winding: ПЭТВ 0,196mm2 parallel wire a=1")));
}

// Under "Coil KU" a pick names the KU wire. With the selector showing no
// winding at all (the KU item restored after a zigzag design) a pick names
// no winding's wire, but the wire is the current one all the same: the KU
// winding that did not fit the rod is worked out again with it.
TEST(WireGrid, APickUnderCoilKuNamesTheKuWireAndWithoutAWindingNone) {
    ScriptSession session;
    ScriptOutput output = session.run(toStageTwo(QStringLiteral("Y/Yn-0")) +
                                      QStringLiteral("untick ChB_KU\nclick RaschetObmotki_NN\n"
                                                     "choose CB_NN_VN Coil KU\npick SG_Sech 215\nprint L_Tip_Pr\n"));
    EXPECT_EQ(joined(output.lines), "Type of wire KU: ПБ 1,626 mm2");

    output = session.run(toStageTwo() + QStringLiteral("click EtapII.Button1\nchoose CB_Shem Y/Yn-0\nclick Button_Raschet\nclick But_EtapII\n"
                                                       "click Raschet_KU\nclick Raschet_obmotok_KU.Button1\n"
                                                       "pick SG_Sech 215\nprint CB_NN_VN\nprint L_Tip_Pr\n"
                                                       "click Raschet_KU\nclick Raschet_obmotok_KU.Button1\n"
                                                       "print Memo_Rez_ob\n"));
    ASSERT_GE(output.lines.size(), 2);
    EXPECT_EQ(output.lines[0], QString());
    EXPECT_EQ(output.lines[1], QStringLiteral("Type of wire KU:"));
    EXPECT_TRUE(output.lines.contains(QStringLiteral("Окончательно выбраный тип провода обмотки КУ: ПБ 1,626мм2 парал сечен a=1")));
}

// The spin edit is the LV parallel count only while the selector shows the
// LV winding: changed during the HV work it leaves the LV winding's current
// density, which the HV calculation starts from, as it was.
TEST(WireGrid, TheParallelCountOfTheHvWorkLeavesTheLvWindingAlone) {
    ScriptSession session;
    const QString hvRun = QStringLiteral("click Rasch_Obmotok\nprint Memo_Rez_ob\n");
    const QString toHv = toOpenCatalogue() + QStringLiteral("choose CB_NN_VN Higher voltage\n");
    const ScriptOutput untouched = session.run(toHv + hvRun);
    const ScriptOutput changed = session.run(toHv + QStringLiteral("set SE_a 3\n") + hvRun);
    const QStringList density = from(untouched.lines, QStringLiteral("Actual current density A/mm2 "));
    ASSERT_FALSE(density.isEmpty());
    EXPECT_EQ(from(changed.lines, QStringLiteral("Actual current density A/mm2 ")).value(0), density[0]);
}

class WireCommands : public ::testing::Test {
protected:
    void writeCatalogue(const std::vector<WireRecord>& wires) { session.writeFile(kProvod, writeProvodImage(wires)); }
    ScriptSession session;
};

// Remove takes out the selected wire, keeps the others in order and writes
// the file at once; the blank row removes nothing; the last wire leaves the
// blank placeholder in the file and one blank row in the grid.
TEST_F(WireCommands, RemoveTakesOutTheSelectedWireOnly) {
    writeCatalogue({rectWire(QStringLiteral("ПБ"), 2), rectWire(QStringLiteral("ПБ"), 3), rectWire(QStringLiteral("ПБ"), 4)});
    ScriptOutput output = session.run(toOpenCatalogue() + QStringLiteral("pick SG_Sech 1\nclick Delet_provod\n"
                                                                         "pick SG_Sech 2\nclick Delet_provod\n"
                                                                         "print SG_Sech\n"));
    EXPECT_EQ(sections(output.lines), (QStringList{QStringLiteral("2,000"), QStringLiteral("4,000"), QString()}));
    EXPECT_EQ(sectionsOf(catalogueIn(session)), (std::vector<double>{2, 4}));

    output = session.run(toOpenCatalogue() + QStringLiteral("pick SG_Sech 0\nclick Delet_provod\n"
                                                            "pick SG_Sech 0\nclick Delet_provod\n"
                                                            "pick SG_Sech 0\nclick Delet_provod\nprint SG_Sech\n"));
    EXPECT_EQ(output.lines, QStringList{kBlankRow});
    const std::vector<WireRecord> left = catalogueIn(session);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(isBlankPlaceholder(left[0]));
}

// Search by section (strictly within ±10 % of 10 mm2), material and shape,
// from the row after the selection on. Found rows are shown by removing the
// wire the search selected.
TEST_F(WireCommands, SearchFindsTheNextMatchingWireAndStartsOverFromRowOne) {
    const std::vector<WireRecord> wires{
        rectWire(QStringLiteral("ПБ"), 10),                               // 0: before the scan
        rectWire(QStringLiteral("ПБ"), 9),                                // 1: exactly 10 % below
        rectWire(QStringLiteral("ПБ"), 10.5),                             // 2: match
        rectWire(QStringLiteral("АПБ"), 10.1, QStringLiteral("Aluminum")),  // 3: other material
        roundWire(QStringLiteral("ПЭТВ"), 3.6, 10.2),                       // 4: round
        rectWire(QStringLiteral("ПБ"), 11),                               // 5: exactly 10 % above
        rectWire(QStringLiteral("ПБ"), 9.8),                              // 6: match
        rectWire(QStringLiteral("ПБ"), 20),                               // 7: too big
    };
    const QString search = QStringLiteral("click Serch_provod\n");
    const QString setUp = toOpenCatalogue() + QStringLiteral("set Ed_search 10\nchoose CB__mater Copper\n");
    const QString removeShown = QStringLiteral("click Delet_provod\nprint L_Tip_Pr\nprint SG_Sech\n");
    const auto removedSection = [&](const QString& searches) {
        writeCatalogue(wires);
        const ScriptOutput output = session.run(setUp + searches + removeShown);
        // A search moves the grid, it does not pick a wire.
        EXPECT_EQ(output.lines.value(0), QStringLiteral("Type of wire LV:"));
        QStringList shown = sections(output.lines.mid(1));
        for (qsizetype row = 0; row + 1 < shown.size(); ++row) {
            if (shown[row] != formatF3(wires[static_cast<size_t>(row)].s)) return row;
        }
        return qsizetype{-1};
    };
    EXPECT_EQ(removedSection(search), 2);
    EXPECT_EQ(removedSection(search + search), 6);
    EXPECT_EQ(removedSection(search + search + search), 1);
    EXPECT_EQ(removedSection(search + search + search + search), 2);
    EXPECT_EQ(removedSection(QStringLiteral("choose CB_c_r cikl\n") + search), 4);
    // A point typed in the search field is read as a comma and left as typed.
    writeCatalogue(wires);
    const ScriptOutput output = session.run(setUp + QStringLiteral("set Ed_search 10.0\n") + search +
                                            QStringLiteral("print Ed_search\n"));
    EXPECT_EQ(joined(output.lines), "10.0");
}

}  // namespace
}  // namespace dravik::test
