#pragma once

// Small workbooks written by the tests themselves, entry by entry, so that
// each test shows exactly which parts its workbook has.

#include "support/xlsx_parts.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>
#include <vector>

namespace dravik::test {

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline void writeZip(const QString& path, const std::vector<ZipEntry>& entries) {
    const QByteArray bytes = zipBytes(entries);
    ASSERT_FALSE(bytes.isEmpty());
    writeFile(path, bytes);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace dravik::test
