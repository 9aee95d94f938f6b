#pragma once

// Small workbooks made part by part in memory, so that each test (and each
// fuzz target) shows exactly which parts its workbook has.

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <vector>

namespace dravik::test {

struct ZipEntry {
    QString name;
    QByteArray data;
    bool stored = false;  // kept uncompressed, so a test can alter its bytes in the file
};

// The zip file holding `entries`, in order; empty when it could not be made.
inline QByteArray zipBytes(const std::vector<ZipEntry>& entries) {
    QBuffer buffer;
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate)) return {};
    for (const ZipEntry& entry : entries) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry.name), nullptr, 0, entry.stored ? 0 : Z_DEFLATED) ||
            file.write(entry.data) != entry.data.size()) {
            return {};
        }
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0 ? buffer.data() : QByteArray();
}

// A cell holding `content`, a number unless `type` says otherwise ("s": the index of a shared string).
inline QByteArray cell(const QByteArray& ref, const QByteArray& content, const QByteArray& type = {}) {
    return "<c r=\"" + ref + "\"" + (type.isEmpty() ? QByteArray() : " t=\"" + type + "\"") + "><v>" + content + "</v></c>";
}

// Row `r` of a worksheet holding the given <c> elements.
inline QByteArray row(int r, const QByteArray& cells) { return "<row r=\"" + QByteArray::number(r) + "\">" + cells + "</row>"; }

// A worksheet part around the given <row> elements.
inline QByteArray worksheet(const QByteArray& rows) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<sheetData>" + rows + "</sheetData></worksheet>";
}

struct Sheet {
    QString name;
    QByteArray xml;         // the worksheet part
    QString target;         // its relationship target, as the workbook names it
};

// The parts of an .xlsx package: package relationships, workbook, its
// relationships, the sheets and, when given, the shared strings.
inline std::vector<ZipEntry> xlsxEntries(const std::vector<Sheet>& sheets, const QByteArray& sharedStrings = {}) {
    const QByteArray relNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    QByteArray workbook = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                          "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                          "xmlns:r=\"" + relNs + "\"><sheets>";
    QByteArray rels = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    std::vector<ZipEntry> entries;
    for (size_t i = 0; i < sheets.size(); ++i) {
        const QByteArray id = "rId" + QByteArray::number(qulonglong(i + 1));
        workbook += "<sheet name=\"" + sheets[i].name.toUtf8() + "\" sheetId=\"" + QByteArray::number(qulonglong(i + 1)) +
                    "\" r:id=\"" + id + "\"/>";
        rels += "<Relationship Id=\"" + id + "\" Type=\"" + relNs + "/worksheet\" Target=\"" + sheets[i].target.toUtf8() + "\"/>";
        QString part = sheets[i].target.startsWith('/') ? sheets[i].target.mid(1) : "xl/" + sheets[i].target;
        entries.push_back({part, sheets[i].xml});
    }
    if (!sharedStrings.isEmpty()) {
        rels += "<Relationship Id=\"rIdS\" Type=\"" + relNs + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
        entries.push_back({"xl/sharedStrings.xml", sharedStrings});
    }
    workbook += "</sheets></workbook>";
    rels += "</Relationships>";
    entries.push_back({"_rels/.rels",
                       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                       "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                       "<Relationship Id=\"rId1\" Type=\"" + relNs + "/officeDocument\" Target=\"xl/workbook.xml\"/>"
                       "</Relationships>"});
    entries.push_back({"xl/workbook.xml", workbook});
    entries.push_back({"xl/_rels/workbook.xml.rels", rels});
    return entries;
}

// Three sheets with the curve names and the given contents.
inline std::vector<ZipEntry> curveXlsx(const QByteArray& rows1, const QByteArray& rows2, const QByteArray& rows3) {
    return xlsxEntries({{"Лист1", worksheet(rows1), "worksheets/sheet1.xml"},
                        {"Лист2", worksheet(rows2), "worksheets/sheet2.xml"},
                        {"Лист3", worksheet(rows3), "worksheets/sheet3.xml"}});
}

}  // namespace dravik::test
