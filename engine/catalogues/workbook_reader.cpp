#include "catalogues/workbook_reader.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace dravik {
namespace {

// The curve sheets in the order of the editor's grids: losses p, magnetising
// power in the rod q, magnetising power in the butt joint qz.
constexpr std::array<QStringView, 3> kCurveSheetNames{u"Лист1", u"Лист2", u"Лист3"};

// A spreadsheet cell holds at most this many characters; more means a forged file.
constexpr qsizetype kMaxCellText = 32767;

// Why a workbook could not be read; each becomes one message naming the file.
struct Unreadable {};  // not a zip, not a workbook, damaged or contradictory content
struct TooBig {};      // more to unpack than any curve workbook needs
struct MissingSheet {
    QString name;
};

// ---------------------------------------------------------------------------
// The zip container. Every unpacked byte counts against one budget, so a
// small file that would inflate to gigabytes stops early.

class Package {
public:
    Package(const QString& path, qint64 budgetBytes) : zip_(path), budget_(budgetBytes) { open(); }
    Package(QIODevice* device, qint64 budgetBytes) : zip_(device), budget_(budgetBytes) { open(); }

    // Part names of a workbook package are case-insensitive.
    bool contains(const QString& part) { return zip_.setCurrentFile(part, QuaZip::csInsensitive); }

    QByteArray read(const QString& part) {
        if (!contains(part)) throw Unreadable{};
        QuaZipFile entry(&zip_);
        if (!entry.open(QIODevice::ReadOnly)) throw Unreadable{};
        QByteArray data;
        char chunk[16 * 1024];
        for (;;) {
            const qint64 count = entry.read(chunk, sizeof chunk);
            if (count < 0) throw Unreadable{};
            if (count == 0) break;
            budget_ -= count;
            if (budget_ < 0) throw TooBig{};
            data.append(chunk, count);
        }
        entry.close();  // checks the entry's CRC now that all of it was read
        if (entry.getZipError() != UNZ_OK) throw Unreadable{};
        return data;
    }

private:
    void open() {
        if (!zip_.open(QuaZip::mdUnzip)) throw Unreadable{};
    }

    QuaZip zip_;
    qint64 budget_;
};

// ---------------------------------------------------------------------------
// XML walking. Workbook parts are plain XML: a document type declaration
// (the door to entity expansion) or any XML error makes the workbook
// unreadable. Nesting is walked with counters, not recursion, so a forged
// deep file cannot exhaust the stack.

using Token = QXmlStreamReader::TokenType;

Token next(QXmlStreamReader& xml) {
    const Token token = xml.readNext();
    if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::Invalid || xml.hasError()) throw Unreadable{};
    return token;
}

// Reads the element whose start was just read to its end. `onStart` sees
// the start of each element inside it and returns true when it has read
// that element to its end itself (false: the walk goes into it); `onText`
// sees the character data.
template <typename OnStart, typename OnText>
void walkElement(QXmlStreamReader& xml, OnStart onStart, OnText onText) {
    for (int depth = 1; depth > 0;) {
        switch (next(xml)) {
            case QXmlStreamReader::StartElement:
                if (!onStart()) ++depth;
                break;
            case QXmlStreamReader::Characters: onText(); break;
            case QXmlStreamReader::EndElement: --depth; break;
            case QXmlStreamReader::EndDocument: throw Unreadable{};
            default: break;
        }
    }
}

constexpr auto kIntoEveryElement = [] { return false; };
constexpr auto kIgnoreText = [] {};

// Reads past the end of the element whose start was just read.
void skipElement(QXmlStreamReader& xml) { walkElement(xml, kIntoEveryElement, kIgnoreText); }

// Moves to the next child element of the current element: true at its
// start, false at the end of the current element. The caller reads or skips
// each child to its end before asking for the next.
bool nextChild(QXmlStreamReader& xml) {
    for (;;) {
        switch (next(xml)) {
            case QXmlStreamReader::StartElement: return true;
            case QXmlStreamReader::EndElement: return false;
            case QXmlStreamReader::EndDocument: throw Unreadable{};
            default: break;
        }
    }
}

void appendCellText(QString& text, QStringView more) {
    if (text.size() + more.size() > kMaxCellText) throw Unreadable{};
    text += more;
}

// All character data inside the element whose start was just read.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    walkElement(xml, kIntoEveryElement, [&] { appendCellText(text, xml.text()); });
    return text;
}

// ---------------------------------------------------------------------------
// Numbers. A stored number is shown as a spreadsheet shows it: at most 15
// significant digits (so 0.30000000000000004 from a formula reads "0,3"),
// plain notation with a decimal comma, the exponent form ("1E-5", "1,5E+20")
// only beyond 15 digits or below 0.0001. parseFloat reads every form back.

std::optional<double> parseStoredNumber(QStringView stored) {
    QByteArray ascii = stored.trimmed().toLatin1();
    if (ascii.startsWith('+')) ascii.remove(0, 1);
    double value = 0;
    const char* end = ascii.constData() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.constData(), end, value);
    if (ascii.isEmpty() || error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString plainNumberText(double value) {
    if (value == 0) return QStringLiteral("0");  // also -0
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    QString shown = QString::fromLatin1(text.substr(0, e)).replace(QLatin1Char('.'), QLatin1Char(','));
    if (e != std::string::npos) {
        const int exponent = std::stoi(text.substr(e + 1));
        shown += (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + QString::number(std::abs(exponent));
    }
    return shown;
}

QString numberText(QStringView stored) {
    const auto value = parseStoredNumber(stored);
    if (!value) throw Unreadable{};
    return plainNumberText(*value);
}

QString booleanText(QStringView stored) {
    return stored == u"1" || stored == u"true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// ---------------------------------------------------------------------------
// Placing a cell into the curve block A1:B13.

bool inCurveBlock(qint64 row, qint64 column) {
    return row >= 1 && row <= kCurveSheetRows && column >= 1 && column <= kCurveSheetColumns;
}

// Row and column counters advance by repeat counts that a file may forge
// huge; they saturate far beyond the curve block instead of overflowing.
qint64 advance(qint64 position, qint64 count) {
    constexpr qint64 kFar = qint64(1) << 40;
    return std::min(position, kFar) + std::min(count, kFar);
}

// ---------------------------------------------------------------------------
// .xlsx: the workbook part is found through the package relationships, the
// sheets by name in the workbook part, their parts through its relationships.

struct Relationship {
    QString id;
    QString type;
    QString target;  // package path of the target part
};
using Relationships = std::vector<Relationship>;  // in document order

QString folderOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash);
}

QString fileNameOf(const QString& part) { return part.mid(part.lastIndexOf(QLatin1Char('/')) + 1); }

// A target is relative to the folder of the part that names it, or absolute
// from the package root; it may not leave the package.
QString resolveTarget(const QString& folder, QStringView target) {
    QString path = target.startsWith(u'/') ? target.mid(1).toString()
                   : folder.isEmpty()      ? target.toString()
                                           : folder + QLatin1Char('/') + target.toString();
    path = QDir::cleanPath(path);
    if (path.isEmpty() || path == u".." || path.startsWith(u"../") || path.startsWith(u'/')) throw Unreadable{};
    return path;
}

Relationships readRelationships(Package& package, const QString& part) {
    const QString folder = folderOf(part);
    const QString relsFolder = folder.isEmpty() ? QStringLiteral("_rels/") : folder + QStringLiteral("/_rels/");
    const QString relsPart = relsFolder + fileNameOf(part) + QStringLiteral(".rels");
    Relationships relationships;
    if (!package.contains(relsPart)) return relationships;
    QXmlStreamReader xml(package.read(relsPart));
    while (next(xml) != QXmlStreamReader::EndDocument) {
        if (!xml.isStartElement() || xml.name() != u"Relationship") continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value(QLatin1StringView("TargetMode")) == u"External") continue;
        relationships.push_back({attributes.value(QLatin1StringView("Id")).toString(),
                                 attributes.value(QLatin1StringView("Type")).toString(),
                                 resolveTarget(folder, attributes.value(QLatin1StringView("Target")))});
    }
    return relationships;
}

// The first relationship of a kind ("/officeDocument", "/sharedStrings").
const Relationship* findKind(const Relationships& relationships, QStringView kind) {
    const auto found = std::find_if(relationships.begin(), relationships.end(),
                                    [kind](const Relationship& r) { return r.type.endsWith(kind); });
    return found == relationships.end() ? nullptr : &*found;
}

const Relationship* findId(const Relationships& relationships, const QString& id) {
    const auto found = std::find_if(relationships.begin(), relationships.end(),
                                    [&id](const Relationship& r) { return r.id == id; });
    return found == relationships.end() ? nullptr : &*found;
}

// The relationship id of a <sheet>: an attribute "id" in the relationships namespace.
QString relationshipIdOf(const QXmlStreamAttributes& attributes) {
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty()) return attribute.value().toString();
    }
    return {};
}

// Sheet name -> relationship id, from the workbook part; the first of equal names wins.
QHash<QString, QString> readSheetIds(const QByteArray& workbookXml) {
    QHash<QString, QString> ids;
    QXmlStreamReader xml(workbookXml);
    while (next(xml) != QXmlStreamReader::EndDocument) {
        if (!xml.isStartElement() || xml.name() != u"sheet") continue;
        const QString name = xml.attributes().value(QLatin1StringView("name")).toString();
        if (!ids.contains(name)) ids.insert(name, relationshipIdOf(xml.attributes()));
    }
    return ids;
}

// Texts carry characters XML cannot hold as "_xHHHH_" (an underscore itself
// as "_x005F_"); the user typed the character, so that is what is shown.
bool isEscapeAt(const QString& text, qsizetype at) {
    if (at + 6 >= text.size() || text[at] != u'_' || text[at + 1] != u'x' || text[at + 6] != u'_') return false;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        const char16_t c = text[i].unicode();
        const bool hex = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!hex) return false;
    }
    return true;
}

QString decodeEscapes(const QString& text) {
    if (!text.contains(u"_x")) return text;
    QString decoded;
    for (qsizetype at = 0; at < text.size();) {
        if (isEscapeAt(text, at)) {
            decoded += QChar(text.mid(at + 2, 4).toUShort(nullptr, 16));
            at += 7;
        } else {
            decoded += text[at++];
        }
    }
    return decoded;
}

// A rich-text string (<si> or <is>): its <t> runs in order. Phonetic guides
// (<rPh>) of East Asian workbooks are not part of the text.
QString richText(QXmlStreamReader& xml) {
    QString text;
    const auto onStart = [&] {
        if (xml.name() == u"t") {
            appendCellText(text, elementText(xml));
        } else if (xml.name() == u"rPh") {
            skipElement(xml);
        } else {
            return false;
        }
        return true;
    };
    walkElement(xml, onStart, kIgnoreText);
    return decodeEscapes(text);
}

QStringList readSharedStrings(Package& package, const Relationships& workbookRelationships) {
    QStringList strings;
    const Relationship* part = findKind(workbookRelationships, u"/sharedStrings");
    if (!part) return strings;
    QXmlStreamReader xml(package.read(part->target));
    while (next(xml) != QXmlStreamReader::EndDocument) {
        if (xml.isStartElement() && xml.name() == u"si") strings.append(richText(xml));
    }
    return strings;
}

struct CellPosition {
    qint64 row = 0;
    qint64 column = 0;
};

// "B12" -> row 12, column 2. A spreadsheet has at most 3 column letters and
// 7 row digits.
CellPosition parseCellReference(QStringView reference) {
    qsizetype at = 0;
    CellPosition position;
    for (; at < reference.size() && at < 3 && reference[at] >= u'A' && reference[at] <= u'Z'; ++at) {
        position.column = position.column * 26 + (reference[at].unicode() - u'A' + 1);
    }
    const QStringView digits = reference.mid(at);
    bool isNumber = false;
    position.row = digits.size() <= 7 ? digits.toLongLong(&isNumber) : 0;
    if (at == 0 || !isNumber || position.row < 1 || !digits.front().isDigit()) throw Unreadable{};
    return position;
}

qint64 parsePositiveCount(QStringView stored) {
    bool isNumber = false;
    const qint64 row = stored.toLongLong(&isNumber);
    if (!isNumber || row < 1) throw Unreadable{};
    return row;
}

QString sharedString(QStringView stored, const QStringList& shared) {
    bool isNumber = false;
    const qsizetype index = stored.trimmed().toLongLong(&isNumber);
    if (!isNumber || index < 0 || index >= shared.size()) throw Unreadable{};
    return shared[index];
}

// The text of a <c> by its type: a number, a shared or inline string, the
// cached result of a formula, a boolean, an error value or an ISO date.
QString xlsxCellText(QStringView type, const QString& value, const QString& inlineText, const QStringList& shared) {
    if (type.isEmpty() || type == u"n") return value.isEmpty() ? QString() : numberText(value);
    if (type == u"s") return sharedString(value, shared);
    if (type == u"inlineStr") return inlineText;
    if (type == u"str") return decodeEscapes(value);
    if (type == u"b") return value.isEmpty() ? QString() : booleanText(value.trimmed());
    if (type == u"e" || type == u"d") return value;
    throw Unreadable{};
}

// Reads a <c> to its end; the formula (<f>) is passed over, its cached value kept.
QString readXlsxCell(QXmlStreamReader& xml, const QStringList& shared) {
    const QString type = xml.attributes().value(QLatin1StringView("t")).toString();
    QString value;
    QString inlineText;
    while (nextChild(xml)) {
        if (xml.name() == u"v") {
            value = elementText(xml);
        } else if (xml.name() == u"is") {
            inlineText = richText(xml);
        } else {
            skipElement(xml);
        }
    }
    return xlsxCellText(type, value, inlineText, shared);
}

// <sheetData>: rows and cells may omit their references, then each follows the previous one.
void readSheetData(QXmlStreamReader& xml, const QStringList& shared, CurveSheet& sheet) {
    qint64 row = 0;
    while (nextChild(xml)) {
        if (xml.name() != u"row") {
            skipElement(xml);
            continue;
        }
        const QString rowNumber = xml.attributes().value(QLatin1StringView("r")).toString();
        row = rowNumber.isEmpty() ? advance(row, 1) : parsePositiveCount(rowNumber);
        qint64 column = 0;
        while (nextChild(xml)) {
            if (xml.name() != u"c") {
                skipElement(xml);
                continue;
            }
            const QString reference = xml.attributes().value(QLatin1StringView("r")).toString();
            CellPosition position{row, advance(column, 1)};
            if (!reference.isEmpty()) position = parseCellReference(reference);
            column = position.column;
            const QString text = readXlsxCell(xml, shared);
            if (inCurveBlock(position.row, position.column)) sheet[position.row - 1][position.column - 1] = text;
        }
    }
}

CurveSheet readXlsxSheet(const QByteArray& sheetXml, const QStringList& shared) {
    CurveSheet sheet;
    QXmlStreamReader xml(sheetXml);
    while (next(xml) != QXmlStreamReader::EndDocument) {
        if (xml.isStartElement() && xml.name() == u"sheetData") readSheetData(xml, shared, sheet);
    }
    return sheet;
}

std::array<CurveSheet, 3> readXlsx(Package& package, const QString& workbookPart) {
    const Relationships relationships = readRelationships(package, workbookPart);
    const QHash<QString, QString> sheetIds = readSheetIds(package.read(workbookPart));
    std::array<QString, 3> sheetParts;
    for (size_t i = 0; i < kCurveSheetNames.size(); ++i) {
        const QString name = kCurveSheetNames[i].toString();
        const auto id = sheetIds.constFind(name);
        if (id == sheetIds.constEnd()) throw MissingSheet{name};
        const Relationship* relationship = findId(relationships, *id);
        if (!relationship) throw Unreadable{};
        if (!relationship->type.endsWith(u"/worksheet")) throw MissingSheet{name};  // a chart sheet has no cells
        sheetParts[i] = relationship->target;
    }
    const QStringList shared = readSharedStrings(package, relationships);
    std::array<CurveSheet, 3> sheets;
    for (size_t i = 0; i < sheets.size(); ++i) sheets[i] = readXlsxSheet(package.read(sheetParts[i]), shared);
    return sheets;
}

// ---------------------------------------------------------------------------
// .ods: one content part holds all tables; rows and cells may stand for
// several by their repeat counts.

constexpr QLatin1StringView kOfficeNs("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1StringView kTableNs("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
constexpr QLatin1StringView kTextNs("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

bool isOpenDocumentSpreadsheet(Package& package) {
    return package.contains(QStringLiteral("mimetype")) && package.contains(QStringLiteral("content.xml")) &&
           package.read(QStringLiteral("mimetype")).trimmed() == "application/vnd.oasis.opendocument.spreadsheet";
}

bool isElement(const QXmlStreamReader& xml, QLatin1StringView ns, QStringView name) {
    return xml.namespaceUri() == ns && xml.name() == name;
}

// A count attribute (rows or columns repeated, spaces): 1 when absent.
qint64 countAttribute(const QXmlStreamReader& xml, QLatin1StringView ns, QLatin1StringView attribute) {
    const QString stored = xml.attributes().value(ns, attribute).toString();
    return stored.isEmpty() ? 1 : parsePositiveCount(stored);
}

// One paragraph of a cell: its characters, with the elements that stand for
// spaces, tabs and line breaks; notes and annotations are not cell text.
QString paragraphText(QXmlStreamReader& xml) {
    QString text;
    const auto onStart = [&] {
        if (isElement(xml, kTextNs, u"s")) {
            const qint64 spaces = countAttribute(xml, kTextNs, QLatin1StringView("c"));
            if (spaces > kMaxCellText) throw Unreadable{};
            appendCellText(text, QString(spaces, QLatin1Char(' ')));
        } else if (isElement(xml, kTextNs, u"tab")) {
            appendCellText(text, u"\t");
        } else if (isElement(xml, kTextNs, u"line-break")) {
            appendCellText(text, u"\n");
        } else if (!isElement(xml, kTextNs, u"note") && !isElement(xml, kOfficeNs, u"annotation")) {
            return false;
        }
        skipElement(xml);
        return true;
    };
    walkElement(xml, onStart, [&] { appendCellText(text, xml.text()); });
    return text;
}

// Reads a cell to its end. The stored value decides over the shown text, as
// for .xlsx; a cell without a value type is empty.
QString readOdsCell(QXmlStreamReader& xml) {
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView type = attributes.value(kOfficeNs, QLatin1StringView("value-type"));
    QString shown;
    bool firstParagraph = true;
    while (nextChild(xml)) {
        if (isElement(xml, kTextNs, u"p") || isElement(xml, kTextNs, u"h")) {
            if (!firstParagraph) appendCellText(shown, u"\n");
            firstParagraph = false;
            appendCellText(shown, paragraphText(xml));
        } else {
            skipElement(xml);
        }
    }
    if (type.isEmpty()) return QString();
    if (type == u"float" || type == u"percentage" || type == u"currency") {
        return numberText(attributes.value(kOfficeNs, QLatin1StringView("value")));
    }
    if (type == u"boolean") return booleanText(attributes.value(kOfficeNs, QLatin1StringView("boolean-value")));
    if (type == u"date") return attributes.value(kOfficeNs, QLatin1StringView("date-value")).toString();
    if (type == u"time") return attributes.value(kOfficeNs, QLatin1StringView("time-value")).toString();
    if (type == u"string" && attributes.hasAttribute(QString(kOfficeNs), QStringLiteral("string-value"))) {
        return attributes.value(kOfficeNs, QLatin1StringView("string-value")).toString();
    }
    return shown;
}

bool isCell(const QXmlStreamReader& xml) {
    return isElement(xml, kTableNs, u"table-cell") || isElement(xml, kTableNs, u"covered-table-cell");
}

// Reads a <table:table-row> that starts at `firstRow`; returns the row after it.
qint64 readOdsRow(QXmlStreamReader& xml, qint64 firstRow, CurveSheet& sheet) {
    const qint64 rowRepeat = countAttribute(xml, kTableNs, QLatin1StringView("number-rows-repeated"));
    const qint64 lastRow = std::min(advance(firstRow, rowRepeat) - 1, qint64{kCurveSheetRows});
    qint64 column = 1;
    while (nextChild(xml)) {
        if (!isCell(xml)) {
            skipElement(xml);
            continue;
        }
        const qint64 columnRepeat = countAttribute(xml, kTableNs, QLatin1StringView("number-columns-repeated"));
        const qint64 lastColumn = std::min(advance(column, columnRepeat) - 1, qint64{kCurveSheetColumns});
        const QString text = readOdsCell(xml);
        for (qint64 row = firstRow; row <= lastRow; ++row) {
            for (qint64 c = column; c <= lastColumn; ++c) sheet[row - 1][c - 1] = text;
        }
        column = advance(column, columnRepeat);
    }
    return advance(firstRow, rowRepeat);
}

// Rows may stand in groups (header rows, row groups); columns, shapes and
// forms hold no cells of the curve block.
bool isRowGroup(const QXmlStreamReader& xml) {
    return isElement(xml, kTableNs, u"table-header-rows") || isElement(xml, kTableNs, u"table-rows") ||
           isElement(xml, kTableNs, u"table-row-group");
}

CurveSheet readOdsTable(QXmlStreamReader& xml) {
    CurveSheet sheet;
    qint64 row = 1;
    const auto onStart = [&] {
        if (isElement(xml, kTableNs, u"table-row")) {
            row = readOdsRow(xml, row, sheet);
        } else if (isRowGroup(xml)) {
            return false;
        } else {
            skipElement(xml);
        }
        return true;
    };
    walkElement(xml, onStart, kIgnoreText);
    return sheet;
}

std::array<CurveSheet, 3> readOds(const QByteArray& contentXml) {
    std::array<std::optional<CurveSheet>, 3> found;
    QXmlStreamReader xml(contentXml);
    while (next(xml) != QXmlStreamReader::EndDocument) {
        if (!xml.isStartElement() || !isElement(xml, kTableNs, u"table")) continue;
        const QString name = xml.attributes().value(kTableNs, QLatin1StringView("name")).toString();
        const auto wanted = std::find(kCurveSheetNames.begin(), kCurveSheetNames.end(), name);
        const size_t index = static_cast<size_t>(wanted - kCurveSheetNames.begin());
        if (wanted != kCurveSheetNames.end() && !found[index]) {
            found[index] = readOdsTable(xml);
        } else {
            skipElement(xml);
        }
    }
    std::array<CurveSheet, 3> sheets;
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (!found[i]) throw MissingSheet{kCurveSheetNames[i].toString()};
        sheets[i] = *found[i];
    }
    return sheets;
}

// ---------------------------------------------------------------------------

std::array<CurveSheet, 3> readPackage(Package& package) {
    const Relationships root = readRelationships(package, QString());
    if (const Relationship* workbook = findKind(root, u"/officeDocument")) return readXlsx(package, workbook->target);
    if (isOpenDocumentSpreadsheet(package)) return readOds(package.read(QStringLiteral("content.xml")));
    throw Unreadable{};
}

[[noreturn]] void refuse(const char* text, const QString& shownPath) {
    throw CommandError(QString::fromUtf8(text).arg(shownPath));
}

// Reads the package `openPackage` opens, each failure as one message
// naming the workbook.
template <typename OpenPackage>
std::array<CurveSheet, 3> readWorkbook(const QString& shownPath, OpenPackage openPackage) {
    try {
        Package package = openPackage();
        return readPackage(package);
    } catch (const Unreadable&) {
        refuse(texts::kWorkbookUnreadable, shownPath);
    } catch (const TooBig&) {
        refuse(texts::kWorkbookTooBig, shownPath);
    } catch (const MissingSheet& missing) {
        throw CommandError(QString::fromUtf8(texts::kWorkbookNoSheet).arg(shownPath, missing.name));
    }
}

}  // namespace

std::array<CurveSheet, 3> readCurveWorkbook(const QString& path, qint64 readLimitBytes) {
    const QString shownPath = QDir::toNativeSeparators(path);
    const QFileInfo file(path);
    if (!file.exists()) refuse(texts::kWorkbookNotFound, shownPath);
    if (!file.isFile()) refuse(texts::kWorkbookUnreadable, shownPath);
    if (!file.isReadable()) refuse(texts::kWorkbookAccessDenied, shownPath);
    if (file.size() > readLimitBytes) refuse(texts::kWorkbookTooBig, shownPath);
    return readWorkbook(shownPath, [&] { return Package(path, readLimitBytes); });
}

std::array<CurveSheet, 3> readCurveWorkbook(const QByteArray& contents, const QString& shownPath,
                                            qint64 readLimitBytes) {
    if (contents.size() > readLimitBytes) refuse(texts::kWorkbookTooBig, shownPath);
    QBuffer device;
    device.setData(contents);
    return readWorkbook(shownPath, [&] { return Package(&device, readLimitBytes); });
}

}  // namespace dravik
