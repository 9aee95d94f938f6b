#include "document/design_file.h"

#include "common/runtime_texts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <optional>

namespace dravik {
namespace {

const QString kEndLine = QStringLiteral("# end of design");
const QString kSavedPrefix = QStringLiteral("# saved ");
const QString kSteelsPrefix = QStringLiteral("# Stal.dat sha256 ");
const QString kWiresPrefix = QStringLiteral("# Provod.dat sha256 ");
const QString kNoFile = QStringLiteral("none");

// The lines of the file as bytes, without their line ends.
QList<QByteArray> byteLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) line.chop(1);
    }
    return lines;
}

// A line of text: valid UTF-8 without the NUL bytes only binary files hold.
std::optional<QString> textLine(const QByteArray& bytes) {
    if (bytes.contains('\0')) return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

void readHeaderLine(const QString& line, DesignFile& design, int& hashes) {
    if (line.startsWith(kSavedPrefix)) {
        design.header.saved = QDateTime::fromString(line.mid(kSavedPrefix.size()), Qt::ISODate);
    } else if (line.startsWith(kSteelsPrefix)) {
        design.header.made.steels = line.mid(kSteelsPrefix.size()).trimmed();
        ++hashes;
    } else if (line.startsWith(kWiresPrefix)) {
        design.header.made.wires = line.mid(kWiresPrefix.size()).trimmed();
        ++hashes;
    }
}

DesignFile failed(QString problem, int line) {
    DesignFile design;
    design.problem = std::move(problem);
    design.problemLine = line;
    return design;
}

}  // namespace

QString catalogueFileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return kNoFile;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

CatalogueHashes catalogueFolderHashes(const QString& folder) {
    const QDir dir(folder);
    return {catalogueFileHash(dir.filePath(QStringLiteral("Stal.dat"))),
            catalogueFileHash(dir.filePath(QStringLiteral("Provod.dat")))};
}

QByteArray designFileBytes(const DesignHeader& header, const QStringList& actions) {
    QStringList lines{QStringLiteral("# Dravik %1 design").arg(header.version),
                      kSavedPrefix + header.saved.toString(Qt::ISODate), kSteelsPrefix + header.made.steels,
                      kWiresPrefix + header.made.wires};
    lines += actions;
    lines.append(kEndLine);
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

DesignFile readDesignFile(const QByteArray& bytes) {
    static const QRegularExpression kFirstLine(QStringLiteral("^# Dravik (\\S+) design$"));
    DesignFile design;
    const QList<QByteArray> raw = byteLines(bytes);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const std::optional<QString> line = textLine(raw[i]);
        if (!line) return failed(QString::fromUtf8(texts::kDesignNotText), static_cast<int>(i + 1));
        design.lines.append(*line);
    }
    const QRegularExpressionMatch first = kFirstLine.match(design.lines.value(0));
    if (!first.hasMatch()) return failed(QString::fromUtf8(texts::kDesignForeign), 1);
    design.header.version = first.captured(1);

    int hashes = 0;
    for (qsizetype i = 1; i < design.lines.size() && design.lines[i].startsWith(QLatin1Char('#')); ++i) {
        readHeaderLine(design.lines[i], design, hashes);
    }
    design.hasHashes = hashes == 2;

    qsizetype last = design.lines.size() - 1;
    while (last > 0 && design.lines[last].trimmed().isEmpty()) --last;
    if (design.lines[last] != kEndLine) {
        return failed(QString::fromUtf8(texts::kDesignIncomplete), static_cast<int>(last + 1));
    }
    return design;
}

}  // namespace dravik
