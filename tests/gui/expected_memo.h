#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// The memos of whole designs kept beside the script-mode tests
// (gui/expected/), line by line: the script-mode tests and the engine's
// whole-design tests hold the program to the same lines.
namespace dravik::test {

inline QStringList expectedMemo(const char* name) {
    QFile file(QStringLiteral(DRAVIK_DESIGN_EXPECTED_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

}  // namespace dravik::test
