#include "gui/script_session.h"
#include "workbook/workbook_files.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace dravik::test {
namespace {

// Rows 1..count of a sheet, each made by `cells` from the row number.
template <typename Cells>
QByteArray rows(int count, Cells cells) {
    QByteArray xml;
    for (int r = 1; r <= count; ++r) xml += row(r, cells(r));
    return xml;
}

// Numbers as a spreadsheet stores them: 0.8 T and up in steps of 0.1 T.
QByteArray numberRow(int r) {
    const QByteArray n = QByteArray::number(r);
    return cell("A" + n, QByteArray::number(0.7 + 0.1 * r, 'g', 15)) + cell("B" + n, QByteArray::number(r * 250));
}

// The same as text: shared strings 0..25 hold "0,8", "0,1", "0,9", "0,2", ...
QByteArray sharedStrings() {
    QByteArray xml = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    for (int r = 1; r <= 13; ++r) {
        xml += "<si><t>" + QByteArray::number(0.7 + 0.1 * r, 'g', 15).replace('.', ',') + "</t></si>";
        xml += "<si><t>" + QByteArray::number(0.1 * r, 'g', 15).replace('.', ',') + "</t></si>";
    }
    return xml + "</sst>";
}

QByteArray sharedStringRow(int r) {
    const QByteArray n = QByteArray::number(r);
    return cell("A" + n, QByteArray::number(2 * (r - 1)), "s") + cell("B" + n, QByteArray::number(2 * r - 1), "s");
}

// Ten rows; rows 11..13 are left out, and row 10 has no value cell.
QByteArray shortRow(int r) {
    const QByteArray n = QByteArray::number(r);
    if (r > 10) return {};
    if (r == 10) return cell("A10", "1.7");
    return cell("A" + n, QByteArray::number(0.7 + 0.1 * r, 'g', 15)) + cell("B" + n, QByteArray::number(r * 1000));
}

class SteelEditorWorkbook : public ::testing::Test {
protected:
    QString path(const char* name) const { return QDir(session_.dataDir()).filePath(QString::fromLatin1(name)); }

    QString writeCurveWorkbook() const {
        const QString file = path("curves.xlsx");
        std::vector<ZipEntry> entries = xlsxEntries({{"Лист1", worksheet(rows(13, numberRow)), "worksheets/sheet1.xml"},
                                                     {"Лист2", worksheet(rows(13, sharedStringRow)), "worksheets/sheet2.xml"},
                                                     {"Лист3", worksheet(rows(13, shortRow)), "worksheets/sheet3.xml"}},
                                                    sharedStrings());
        writeZip(file, entries);
        return file;
    }

    // A visit with a typed cell and a count of 20 in the left grid, then the import.
    ScriptOutput importInto(const QStringList& arguments) const {
        return session_.run(QStringLiteral("click Button10\ncell SG_q_c 1 0 typed\nset SE_num_q_c 20\nclick Stalj_dobavitj_redaktirovatj.Button1\n"
                                           "print SE_num_q_c\nprint SE_p_st_ud\nprint SG_q_c\n"),
                            arguments);
    }

    // The left grid as the visit above left it before the import.
    static QStringList untouched() {
        QStringList lines{QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("Bc, T\tp\u0441, W/kg"),
                          QStringLiteral("typed\t ")};
        for (int r = 2; r <= 20; ++r) lines << QStringLiteral(" \t ");
        return lines;
    }

    ScriptSession session_;
};

// Rows 1..13 of "Лист1", "Лист2", "Лист3" go into the left, middle and
// right grid as the spreadsheet shows them: numbers with a decimal comma,
// texts as they are, empty cells as empty texts. Nothing is stored.
TEST_F(SteelEditorWorkbook, ImportsThirteenRowsOfEachSheet) {
    const QString file = writeCurveWorkbook();
    const ScriptOutput output = session_.run(
        QStringLiteral("click Button10\nclick Stalj_dobavitj_redaktirovatj.Button1\nprint SE_num_q_c\nprint SE_num_q_ia\nprint SE_p_st_ud\n"
                       "print SG_q_c\nprint SG_q_ia\nprint SG_p_st_ud\nstate Stalj_dobavitj_redaktirovatj\n"),
        {QStringLiteral("--workbook"), file});
    ASSERT_EQ(output.lines.size(), 3 + 3 * 14 + 1) << joined(output.lines);
    EXPECT_EQ(joined(output.lines.mid(0, 3)), "13\n13\n13");
    const QStringList left = output.lines.mid(3, 14);
    const QStringList middle = output.lines.mid(17, 14);
    const QStringList right = output.lines.mid(31, 14);
    EXPECT_EQ(left[1], "0,8\t250");
    EXPECT_EQ(left[13], "2\t3250");
    EXPECT_EQ(middle[1], "0,8\t0,1");
    EXPECT_EQ(middle[13], "2\t1,3");
    EXPECT_EQ(right[9], "1,6\t9000");
    EXPECT_EQ(right[10], "1,7\t");
    EXPECT_EQ(right[11], "\t");
    EXPECT_EQ(right[13], "\t");
    EXPECT_EQ(output.lines.last(), "Stalj_dobavitj_redaktirovatj enabled=1 visible=1");
    EXPECT_FALSE(QFileInfo::exists(path("Stal.dat")));
}

// Imported curves are the user's entry like typed ones: saved, they make
// a steel whose points run from one step above the lowest induction.
TEST_F(SteelEditorWorkbook, ImportedCurvesSaveAsANewSteel) {
    const QString file = path("full.xlsx");
    writeZip(file, curveXlsx(rows(13, numberRow), rows(13, numberRow), rows(13, numberRow)));
    const ScriptOutput output = session_.run(
        QStringLiteral("click Button10\nclick Stalj_dobavitj_redaktirovatj.Button1\nset Ed_Tip From workbook\nset Stalj_dobavitj_redaktirovatj.Ed_dz 0,3\n"
                       "choose CB_tip_prokat Hot-rolled\nclick Stalj_vvod\nstate CB_M_st\nclick Button10\nchoose CB_Tip_Edit From workbook\n"
                       "set SE_num_q_c 1\nprint SG_q_c\n"),
        {QStringLiteral("--workbook"), file});
    // 0.8..2.0 T: B_1 = 0.8 + 1.2 / 25 = 0.848 T, where p = 2500 * (B - 0.7) = 370 W/kg.
    EXPECT_EQ(joined(output.lines), "CB_M_st enabled=1 visible=1 items=5\nBc, T\tp\u0441, W/kg\n0,848\t370,000");
}

// Every failure leaves the grids as they were: the whole workbook is read
// before any cell is written.
TEST_F(SteelEditorWorkbook, AFailedImportLeavesTheGridsAlone) {
    const QString noSheet = path("no_sheet.xlsx");
    writeZip(noSheet, xlsxEntries({{"Лист1", worksheet(rows(13, numberRow)), "worksheets/sheet1.xml"},
                                   {"Лист2", worksheet(rows(13, numberRow)), "worksheets/sheet2.xml"},
                                   {"Sheet3", worksheet(rows(13, numberRow)), "worksheets/sheet3.xml"}}));
    const QString corrupt = path("corrupt.xlsx");
    writeFile(corrupt, QByteArray("PK\x03\x04 this is not a zip archive"));
    const QString missing = path("missing.xlsx");

    struct Case {
        const char* what;
        QStringList arguments;
        QString error;
    };
    const std::vector<Case> cases{
        {"a sheet is missing", {QStringLiteral("--workbook"), noSheet},
         QStringLiteral("error: The workbook %1 has no sheet \"Лист3\"").arg(noSheet)},
        {"a damaged file", {QStringLiteral("--workbook"), corrupt},
         QStringLiteral("error: %1 is damaged or is not an .xlsx or .ods workbook").arg(corrupt)},
        {"no such file", {QStringLiteral("--workbook"), missing}, QStringLiteral("error: File not found: %1").arg(missing)},
        {"no workbook named", {}, QStringLiteral("error: File not found")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScriptOutput output = importInto(c.arguments);
        EXPECT_EQ(joined(output.lines), joined(QStringList{c.error} + untouched()));
    }
}

}  // namespace
}  // namespace dravik::test
