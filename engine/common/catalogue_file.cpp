#include "common/catalogue_file.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>

namespace dravik {
namespace {

// How a failed file operation is put into words.
using FailureText = QString (*)(const QFileDevice& file, int errorNumber);

// The system's own words for what went wrong.
QString systemReason(const QFileDevice& file, int errorNumber) {
    return errorNumber != 0 ? qt_error_string(errorNumber) : file.errorString();
}

// Runs one file operation with errno cleared; on failure throws the text of
// what went wrong, read before anything else can change errno.
template <typename Operation>
void orFail(const QFileDevice& file, Operation operation, FailureText describe = fileErrorText) {
    errno = 0;
    if (operation()) return;
    throw CommandError(describe(file, errno));
}

void saveThroughTemporary(const QString& path, const QByteArray& bytes, FailureText describe) {
    QSaveFile file(path);
    orFail(file, [&] { return file.open(QIODevice::WriteOnly); }, describe);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const QString text = describe(file, errno);
        file.cancelWriting();
        throw CommandError(text);
    }
    orFail(file, [&] { return file.commit(); }, describe);
}

}  // namespace

void writeWholeFile(const QString& path, const QByteArray& bytes) { saveThroughTemporary(path, bytes, fileErrorText); }

void copyWholeFile(const QString& from, const QString& to) {
    QFile source(from);
    orFail(source, [&] { return source.open(QIODevice::ReadOnly); }, systemReason);
    errno = 0;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) throw CommandError(systemReason(source, errno));
    saveThroughTemporary(to, bytes, systemReason);
}

void setAsideDamagedFile(const QString& path) {
    if (!QFile::exists(path)) return;
    const QString copy = path + QStringLiteral(".bad");
    QFile older(copy);
    orFail(older, [&] { return !older.exists() || older.remove(); });
    QFile damaged(path);
    orFail(damaged, [&] { return damaged.rename(copy); });
}

void removeLeftoverTemporaries(const QString& folder, const QStringList& names, const QDateTime& startedAt) {
    static const QRegularExpression kSaveSuffix(QStringLiteral("^[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    for (const QString& name : names) {
        const QStringList pattern{name + QStringLiteral(".??????")};
        for (const QFileInfo& file :
             dir.entryInfoList(pattern, QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive)) {
            if (!kSaveSuffix.match(file.fileName().mid(name.size() + 1)).hasMatch()) continue;
            if (file.lastModified() < startedAt) QFile::remove(file.filePath());
        }
    }
}

QString fileErrorText(QFileDevice::FileError error, int errorNumber, const QString& deviceText) {
    if (error == QFileDevice::PermissionsError || errorNumber == EACCES || errorNumber == EPERM ||
        errorNumber == EROFS) {
        return QString::fromUtf8(texts::kFileAccessDenied);
    }
    if (errorNumber == ENOSPC || errorNumber == EDQUOT) return QString::fromUtf8(texts::kDiskFull);
    // A short write leaves the device without an error of its own; the
    // system's reason is all there is.
    if (error == QFileDevice::NoError && errorNumber != 0) return qt_error_string(errorNumber);
    return deviceText;
}

QString fileErrorText(const QFileDevice& file, int errorNumber) {
    return fileErrorText(file.error(), errorNumber, file.errorString());
}

}  // namespace dravik
