#include "catalogues/wire_table.h"

#include "catalogues/provod_file.h"
#include "catalogues/wire_grouping.h"
#include "common/command_error.h"
#include "common/runtime_texts.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace dravik {
namespace {

constexpr const char* kFileName = "Provod.dat";
constexpr const char* kDamagedSuffix = ".bad";

// The message for a failed file operation: the program's own texts for a
// denied access and a full disk, the system's words otherwise.
QString fileErrorText(const QFileDevice& file) {
    const QString reason = file.errorString();
    if (reason.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) return QString::fromUtf8(texts::kDiskFull);
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
    case QFileDevice::RenameError:
        return QString::fromUtf8(texts::kFileAccessDenied);
    default:
        return reason;
    }
}

// The catalogue read straight from a mapping of the file where the system
// allows it: the parse copies every record out anyway, and reading 800 KB
// into a buffer first cost more than the parse.
std::vector<WireRecord> readCatalogueFile(QFile& file) {
    const qint64 size = std::min<qint64>(file.size(), kProvodImageBytes);
    if (size > 0) {
        if (const uchar* image = file.map(0, size)) {
            return readProvodImage(QByteArray::fromRawData(reinterpret_cast<const char*>(image), size));
        }
    }
    return readProvodImage(file.read(kProvodImageBytes));
}

bool createEmptyFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

}  // namespace

QStringList WireTable::load(const QString& folder, const QString& shippedCatalogue) {
    records_.clear();
    tableLoaded_ = false;
    damagedFile_ = false;
    filePath_ = QDir(folder).filePath(QString::fromUtf8(kFileName));

    if (!QFile::exists(filePath_)) {
        const bool copied = !shippedCatalogue.isEmpty() && QFile::exists(shippedCatalogue) &&
                            QFile::copy(shippedCatalogue, filePath_);
        if (!copied) {
            if (createEmptyFile(filePath_)) return {};
            return {QString::fromUtf8(texts::kFileAccessDenied)};
        }
        // A copy keeps the shipped file's read-only mode on some installs.
        QFile::setPermissions(filePath_, QFile::permissions(filePath_) | QFileDevice::WriteOwner);
    }

    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly)) {
        damagedFile_ = true;
        return {fileErrorText(file)};
    }
    try {
        records_ = readCatalogueFile(file);
    } catch (const CommandError& error) {
        damagedFile_ = true;
        return {error.text()};
    }
    tableLoaded_ = true;
    return {};
}

bool WireTable::emptyTable() const {
    return records_.size() == 1 && isBlankPlaceholder(records_.front());
}

bool WireTable::isRealWire(int row) const {
    return row >= 0 && row < count() && !emptyTable();
}

void WireTable::add(const WireRecord& wire) {
    if (emptyTable()) {
        records_.front() = wire;
    } else {
        if (count() >= kCapacity) throw CommandError(QString::fromUtf8(texts::kWireTableFull));
        records_.push_back(wire);
    }
    records_ = regroupAndSort(records_);
    save();
}

void WireTable::remove(int row) {
    if (!isRealWire(row)) return;
    eraseRow(row);
    save();
}

WireRecord WireTable::takeOut(int row) {
    if (!isRealWire(row)) return {};
    WireRecord wire = records_[static_cast<size_t>(row)];
    eraseRow(row);
    return wire;
}

// The others keep their order; the last wire gone leaves the placeholder.
void WireTable::eraseRow(int row) {
    records_.erase(records_.begin() + row);
    if (records_.empty()) records_.push_back(blankPlaceholder());
}

void WireTable::keepDamagedFile() {
    const QString damagedPath = filePath_ + QString::fromUtf8(kDamagedSuffix);
    QFile::remove(damagedPath);
    QFile damaged(filePath_);
    if (damaged.exists() && !damaged.rename(damagedPath)) throw CommandError(fileErrorText(damaged));
    damagedFile_ = false;
}

void WireTable::save() {
    if (damagedFile_) keepDamagedFile();
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly)) throw CommandError(fileErrorText(file));
    const QByteArray image = writeProvodImage(records_);
    if (file.write(image) != image.size()) {
        const QString text = fileErrorText(file);
        file.cancelWriting();
        throw CommandError(text);
    }
    if (!file.commit()) throw CommandError(fileErrorText(file));
}

}  // namespace dravik
