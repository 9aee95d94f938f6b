#include "catalogues/workbook_reader.h"

#include "common/command_error.h"
#include "common/number_text.h"
#include "workbook/workbook_files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dravik;
using namespace dravik::test;

namespace {

class WorkbookReader : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // The message of the error that reading `file` stops with.
    std::string failureOf(const QString& file, qint64 limit = kWorkbookReadLimit) {
        try {
            readCurveWorkbook(file, limit);
        } catch (const CommandError& error) {
            return error.text().toStdString();
        }
        return "no error";
    }

    QTemporaryDir dir_;
};

// Stored numbers as a spreadsheet writes them, with what the user sees.
struct StoredNumber {
    const char* stored;
    const char* shown;
};
constexpr StoredNumber kNumbers[13] = {
    {"0.5", "0,5"},         {"16600", "16600"},     {"0.01", "0,01"},
    {"1.0000000000000001E-2", "0,01"},  // 17 digits, as spreadsheets store 0.01
    {"0.30000000000000004", "0,3"},     // the cached result of =0.1+0.2
    {"-2.5", "-2,5"},       {"1E-05", "1E-5"},      {"123456789012345678", "1,23456789012346E+17"},
    {"1.5E+3", "1500"},     {"-0", "0"},            {"0.0001", "0,0001"},
    {"3.1415926535897931", "3,14159265358979"},     {"1.7", "1,7"},
};

}  // namespace

// Sheet 1 holds numbers; sheet 2 shared and inline strings and the other
// text kinds; sheet 3 cells the file leaves out or leaves without a value.
// The workbook lists the sheets out of order and names their parts by
// other numbers, so they can only be found through the relationships.
TEST_F(WorkbookReader, ReadsAllCellKindsOfTheThreeSheets) {
    QByteArray numbers;
    for (int r = 1; r <= 13; ++r) {
        numbers += row(r, "<c r=\"A" + QByteArray::number(r) + "\"><v>" + QByteArray::number(r) + "</v></c><c r=\"B" +
                              QByteArray::number(r) + "\" s=\"1\"><v>" + kNumbers[r - 1].stored + "</v></c>");
    }
    numbers += row(14, "<c r=\"A14\"><v>99</v></c>") + row(1, "");  // below the block; an empty row changes nothing
    const QByteArray shared =
        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<si><t>1,5</t></si>"
        "<si><r><t>1,</t></r><r><rPr><b/></rPr><t>25</t></r><rPh sb=\"0\" eb=\"1\"><t>ヨミ</t></rPh></si>"
        "<si><t>нет данных</t></si>"
        "<si><t>a_x000D_b_x005F_x0041_</t></si>"
        "</sst>";
    const QByteArray texts =
        row(1, "<c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>") +
        row(2, "<c r=\"A2\" t=\"s\"><v>2</v></c><c r=\"B2\" t=\"s\"><v>3</v></c>") +
        row(3, "<c r=\"A3\" t=\"inlineStr\"><is><t>2.5</t></is></c>"
               "<c r=\"B3\" t=\"inlineStr\"><is><t xml:space=\"preserve\"> 7 </t></is></c>") +
        row(4, "<c r=\"A4\" t=\"str\"><f>\"x\"&amp;\"y\"</f><v>xy</v></c><c r=\"B4\" t=\"b\"><v>1</v></c>") +
        row(5, "<c r=\"A5\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c><c r=\"B5\" t=\"b\"><v>0</v></c>");
    const QByteArray sparse =
        "<row><c><v>1</v></c><c><v>2</v></c><c><v>3</v></c></row>"  // no references: A1, B1, C1
        "<row><c r=\"B2\"/></row>"                                   // A2 absent, B2 without a value
        "<row r=\"4\"><c r=\"A4\"><f>1+1</f><v>2</v></c><c r=\"B4\"><f>A1</f></c></row>"
        "<row r=\"13\"><c r=\"B13\"><v>13.25</v></c></row>";

    auto entries = xlsxEntries({{"Other", worksheet(row(1, "<c r=\"A1\"><v>5</v></c>")), "worksheets/sheet4.xml"},
                                {"Лист3", worksheet(sparse), "worksheets/sheet1.xml"},
                                {"Лист1", worksheet(numbers), "/xl/worksheets/sheet2.xml"},
                                {"Лист2", worksheet(texts), "worksheets/sheet3.xml"}},
                               shared);
    writeZip(path("curves.xlsx"), entries);

    const auto sheets = readCurveWorkbook(path("curves.xlsx"));

    CurveSheet expected1;
    for (int r = 1; r <= 13; ++r) expected1[r - 1] = {QString::number(r), QString::fromUtf8(kNumbers[r - 1].shown)};
    CurveSheet expected2;
    expected2[0] = {"1,5", "1,25"};
    expected2[1] = {"нет данных", "a\rb_x0041_"};
    expected2[2] = {"2.5", " 7 "};
    expected2[3] = {"xy", "TRUE"};
    expected2[4] = {"#DIV/0!", "FALSE"};
    CurveSheet expected3;
    expected3[0] = {"1", "2"};
    expected3[3] = {"2", ""};
    expected3[12] = {"", "13,25"};

    const std::array<CurveSheet, 3> expected{expected1, expected2, expected3};
    for (size_t s = 0; s < 3; ++s) {
        for (size_t r = 0; r < 13; ++r) {
            for (size_t c = 0; c < 2; ++c) {
                SCOPED_TRACE(testing::Message() << "sheet " << s + 1 << " row " << r + 1 << " column " << c + 1);
                EXPECT_EQ(sheets[s][r][c].toStdString(), expected[s][r][c].toStdString());
            }
        }
    }
    // Read from memory, the same bytes give the same sheets.
    EXPECT_EQ(readCurveWorkbook(zipBytes(entries), "in memory"), sheets);
}

// Whatever form a number takes, the steel editor must read it back as the value stored.
TEST_F(WorkbookReader, NumberTextsReadBackAsTheStoredValue) {
    for (const StoredNumber& number : kNumbers) {
        SCOPED_TRACE(number.stored);
        const double stored = QByteArray(number.stored).toDouble();
        EXPECT_NEAR(parseFloat(QString::fromUtf8(number.shown)), stored, std::abs(stored) * 1e-14);
    }
}

TEST_F(WorkbookReader, ReadsAnOpenDocumentSpreadsheet) {
    const QByteArray head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>";
    const QByteArray number = "<table:table-cell office:value-type=\"float\" office:value=\"1.5\"><text:p>1,50</text:p></table:table-cell>";
    const QByteArray sheet1 =
        "<table:table table:name=\"Лист1\"><table:table-column table:number-columns-repeated=\"2\"/>"
        "<table:table-header-rows><table:table-row>" + number +
        "<table:table-cell office:value-type=\"string\"><text:p>a<text:s text:c=\"2\"/>b</text:p><text:p>c</text:p>"
        "<office:annotation><text:p>note</text:p></office:annotation></table:table-cell></table:table-row></table:table-header-rows>"
        "<table:table-row table:number-rows-repeated=\"3\"><table:table-cell table:number-columns-repeated=\"2\" "
        "office:value-type=\"percentage\" office:value=\"0.25\"/></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"1048570\"><table:table-cell/></table:table-row>"
        "</table:table>";
    const QByteArray sheet2 =
        "<table:table table:name=\"Лист2\"><table:table-row><table:covered-table-cell/>" + number + "</table:table-row>"
        "<table:table-row><table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"/></table:table-row>"
        "</table:table>";
    const QByteArray sheet3 = "<table:table table:name=\"Лист3\"/>";
    const QByteArray content = head + sheet2 + sheet1 + sheet3 + "</office:spreadsheet></office:body></office:document-content>";
    writeZip(path("curves.ods"), {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", true},
                                  {"content.xml", content}});

    const auto sheets = readCurveWorkbook(path("curves.ods"));

    EXPECT_EQ(sheets[0][0][0], "1,5");
    EXPECT_EQ(sheets[0][0][1], "a  b\nc");
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(sheets[0][r][0] + sheets[0][r][1], "0,250,25");
    EXPECT_EQ(sheets[0][4][0], "");
    EXPECT_EQ(sheets[1][0][0], "");
    EXPECT_EQ(sheets[1][0][1], "1,5");
    EXPECT_EQ(sheets[1][1][0], "TRUE");
    EXPECT_EQ(sheets[2][12][1], "");
}

TEST_F(WorkbookReader, RefusesMissingAndForeignFiles) {
    const QString missing = path("missing.xlsx");
    EXPECT_EQ(failureOf(missing), "File not found: " + missing.toStdString());

    writeZip(path("no-sheet.xlsx"), xlsxEntries({{"Лист1", worksheet(""), "worksheets/sheet1.xml"},
                                                 {"Лист3", worksheet(""), "worksheets/sheet3.xml"},
                                                 {"лист2", worksheet(""), "worksheets/sheet2.xml"}}));
    EXPECT_EQ(failureOf(path("no-sheet.xlsx")), "The workbook " + path("no-sheet.xlsx").toStdString() + " has no sheet \"Лист2\"");

    const std::string unreadable = " is damaged or is not an .xlsx or .ods workbook";
    writeFile(path("text.xlsx"), "Bc;pc\n0,8;0,5\n");
    EXPECT_EQ(failureOf(path("text.xlsx")), path("text.xlsx").toStdString() + unreadable);
    writeFile(path("empty.xlsx"), "");
    EXPECT_EQ(failureOf(path("empty.xlsx")), path("empty.xlsx").toStdString() + unreadable);
    writeZip(path("other.zip"), {{"readme.txt", "not a workbook"}});
    EXPECT_EQ(failureOf(path("other.zip")), path("other.zip").toStdString() + unreadable);
    EXPECT_EQ(failureOf(dir_.path()), dir_.path().toStdString() + unreadable);
}

// Damage anywhere in what is read stops the import; nothing half-read comes back.
TEST_F(WorkbookReader, RefusesDamagedWorkbooks) {
    const QByteArray good = row(1, "<c r=\"A1\"><v>0.8</v></c><c r=\"B1\"><v>16600</v></c>");
    struct Case {
        const char* name;
        std::vector<ZipEntry> entries;
    };
    auto withSheet3 = [&](const QByteArray& xml) {
        auto entries = curveXlsx(good, good, good);
        for (auto& entry : entries) {
            if (entry.name == "xl/worksheets/sheet3.xml") entry.data = xml;
        }
        return entries;
    };
    const std::vector<Case> cases = {
        {"unclosed element", withSheet3("<worksheet><sheetData><row>")},
        {"no root element", withSheet3("")},
        {"document type declaration",
         withSheet3("<?xml version=\"1.0\"?><!DOCTYPE w [<!ENTITY a \"aaaa\">]><worksheet><sheetData/></worksheet>")},
        {"number that is no number", withSheet3(worksheet(row(1, "<c r=\"A1\"><v>1,5</v></c>")))},
        {"shared string beyond the table", withSheet3(worksheet(row(1, "<c r=\"A1\" t=\"s\"><v>0</v></c>")))},
        {"bad cell reference", withSheet3(worksheet(row(1, "<c r=\"1A\"><v>1</v></c>")))},
        {"unknown cell type", withSheet3(worksheet(row(1, "<c r=\"A1\" t=\"x\"><v>1</v></c>")))},
        {"target outside the package", xlsxEntries({{"Лист1", worksheet(good), "../../sheet1.xml"},
                                                    {"Лист2", worksheet(good), "worksheets/sheet2.xml"},
                                                    {"Лист3", worksheet(good), "worksheets/sheet3.xml"}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path("damaged.xlsx");
        QFile::remove(file);
        writeZip(file, c.entries);
        EXPECT_EQ(failureOf(file), file.toStdString() + " is damaged or is not an .xlsx or .ods workbook");
    }
}

TEST_F(WorkbookReader, RefusesDamagedZipContainers) {
    auto entries = curveXlsx(row(1, "<c r=\"A1\"><v>16600</v></c>"), "", "");
    for (auto& entry : entries) entry.stored = true;
    writeZip(path("good.xlsx"), entries);
    const QByteArray bytes = readFile(path("good.xlsx"));
    ASSERT_EQ(readCurveWorkbook(path("good.xlsx"))[0][0][0], "16600");

    QByteArray altered = bytes;
    altered.replace("16600", "16601");  // still well-formed XML: only the checksum tells
    writeFile(path("altered.xlsx"), altered);
    writeFile(path("truncated.xlsx"), bytes.left(bytes.size() / 2));
    for (const char* name : {"altered.xlsx", "truncated.xlsx"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(failureOf(path(name)), path(name).toStdString() + " is damaged or is not an .xlsx or .ods workbook");
    }
}

TEST_F(WorkbookReader, StopsBeforeUnpackingTooMuch) {
    const qint64 limit = 64 * 1024;
    // A few kilobytes on disk that unpack to 300 kB.
    writeZip(path("inflating.xlsx"), curveXlsx(QByteArray(300 * 1024, ' '), "", ""));
    ASSERT_LT(QFileInfo(path("inflating.xlsx")).size(), limit);
    const std::string tooBig = " is too big to be read";
    EXPECT_EQ(failureOf(path("inflating.xlsx"), limit), "The workbook " + path("inflating.xlsx").toStdString() + tooBig);

    writeZip(path("small.xlsx"), curveXlsx("", "", ""));
    EXPECT_EQ(failureOf(path("small.xlsx"), 100), "The workbook " + path("small.xlsx").toStdString() + tooBig);
    EXPECT_NO_THROW(readCurveWorkbook(path("inflating.xlsx")));
}
