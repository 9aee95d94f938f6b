#include "catalogues/wire_csv.h"

#include "catalogues/provod_file.h"
#include "common/command_error.h"
#include "common/cp1251.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <charconv>
#include <cmath>
#include <string>

namespace dravik {
namespace {

constexpr const char* kHeader = "Tip,Vid,D,a,b,s,2delta,Mater";
constexpr int kFieldCount = 8;

struct ShapeName {
    const char* name;
    QByteArray (*code)();
};
constexpr ShapeName kShapeNames[] = {
    {"round", roundShapeCode},
    {"rect", rectShapeCode},
};

[[noreturn]] void fail(int lineNumber, const QString& what) {
    throw WireCsvError(QStringLiteral("line %1: %2").arg(lineNumber).arg(what).toStdString());
}

// Splits one line at the commas outside quotes.
QStringList splitFields(const QString& line, int lineNumber) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    if (quoted) fail(lineNumber, QStringLiteral("unclosed quote"));
    fields << field;
    return fields;
}

double sizeField(const QString& text, int lineNumber) {
    const std::string ascii = text.trimmed().toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value)) {
        fail(lineNumber, QStringLiteral("'%1' is not a number").arg(text));
    }
    return value;
}

QByteArray shapeField(const QString& text, int lineNumber) {
    for (const ShapeName& shape : kShapeNames) {
        if (text == QLatin1String(shape.name)) return shape.code();
    }
    fail(lineNumber, QStringLiteral("shape '%1' is neither round nor rect").arg(text));
}

QByteArray nameField(const QString& text, int room, int lineNumber) {
    QByteArray bytes;
    try {
        bytes = encodeCp1251(text);
    } catch (const CommandError& error) {
        fail(lineNumber, error.text());
    }
    if (bytes.size() > room) fail(lineNumber, QStringLiteral("'%1' is longer than %2 characters").arg(text).arg(room));
    return bytes;
}

WireRecord wireFromFields(const QStringList& fields, int lineNumber) {
    WireRecord wire;
    wire.Tip = nameField(fields[0], WireRecordLayout::TipRoom, lineNumber);
    wire.Vid = shapeField(fields[1], lineNumber);
    wire.D = sizeField(fields[2], lineNumber);
    wire.a = sizeField(fields[3], lineNumber);
    wire.b = sizeField(fields[4], lineNumber);
    wire.s = sizeField(fields[5], lineNumber);
    wire.delta2 = sizeField(fields[6], lineNumber);
    wire.Mater = nameField(fields[7], WireRecordLayout::MaterRoom, lineNumber);
    return wire;
}

}  // namespace

std::vector<WireRecord> parseWireCsv(const QByteArray& utf8) {
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));

    std::vector<WireRecord> wires;
    bool headerSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        if (!headerSeen) {
            if (line != QLatin1String(kHeader)) fail(lineNumber, QStringLiteral("the header must be %1").arg(kHeader));
            headerSeen = true;
            continue;
        }
        const QStringList fields = splitFields(line, lineNumber);
        if (fields.size() != kFieldCount) {
            fail(lineNumber, QStringLiteral("%1 fields instead of %2").arg(fields.size()).arg(kFieldCount));
        }
        wires.push_back(wireFromFields(fields, lineNumber));
    }
    if (!headerSeen) fail(1, QStringLiteral("the header %1 is missing").arg(kHeader));
    if (wires.size() > static_cast<size_t>(kProvodCapacity)) {
        fail(static_cast<int>(lines.size()), QStringLiteral("more than %1 wires").arg(kProvodCapacity));
    }
    return wires;
}

}  // namespace dravik
