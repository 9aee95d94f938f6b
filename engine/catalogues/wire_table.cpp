#include "catalogues/wire_table.h"

#include "catalogues/provod_file.h"
#include "catalogues/wire_grouping.h"
#include "common/catalogue_file.h"
#include "common/command_error.h"
#include "common/runtime_texts.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>

namespace dravik {
namespace {

// The catalogue read straight from a mapping of the file where the system
// allows it: the parse copies every record out anyway, and reading 800 KB
// into a buffer first cost more than the parse.
ProvodContents readCatalogueFile(QFile& file) {
    const qint64 size = std::min<qint64>(file.size(), kProvodImageBytes);
    if (size > 0) {
        if (const uchar* image = file.map(0, size)) {
            return readProvodContents(QByteArray::fromRawData(reinterpret_cast<const char*>(image), size));
        }
    }
    return readProvodContents(file.read(kProvodImageBytes));
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
        if (shippedCatalogue.isEmpty() || !QFile::exists(shippedCatalogue)) {
            if (createEmptyFile(filePath_)) return {};
            return {QString::fromUtf8(texts::kFileAccessDenied)};
        }
        // A copy that fails leaves no file, so the next start tries again
        // rather than reading an empty catalogue for good.
        try {
            copyWholeFile(shippedCatalogue, filePath_);
        } catch (const CommandError& error) {
            return {QString::fromUtf8(texts::kShippedCopyFailed).arg(QDir::toNativeSeparators(filePath_), error.text())};
        }
    }

    QFile file(filePath_);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        damagedFile_ = true;
        return {fileErrorText(file, errno)};
    }
    ProvodContents contents;
    try {
        contents = readCatalogueFile(file);
    } catch (const CommandError& error) {
        damagedFile_ = true;
        return {error.text()};
    }
    records_ = std::move(contents.records);
    tableLoaded_ = true;
    if (contents.leftOut == 0) return {};
    // The file keeps what was left out, as Provod.dat.bad, until a new one is written.
    damagedFile_ = true;
    return {QString::fromUtf8(texts::kImplausibleRecords).arg(QDir::toNativeSeparators(filePath_)).arg(contents.leftOut)};
}

bool WireTable::emptyTable() const {
    return records_.size() == 1 && isBlankPlaceholder(records_.front());
}

void WireTable::add(const WireRecord& wire) {
    if (emptyTable()) {
        records_.front() = wire;
    } else {
        if (count() >= kCapacity) throw CommandError(texts::kWireTableFull);
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

void WireTable::save() {
    if (damagedFile_) {
        setAsideDamagedFile(filePath_);
        damagedFile_ = false;
    }
    writeWholeFile(filePath_, writeProvodImage(records_));
}

}  // namespace dravik
