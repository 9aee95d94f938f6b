#pragma once

#include "common/report.h"

#include <QString>
#include <QStringList>

namespace dravik::test {

// The numbers of every line that starts with `label`, in report order.
inline QStringList valuesAfter(const Report& report, const char* label) {
    const QString prefix = QString::fromUtf8(label);
    QStringList values;
    for (const QString& line : report.lines()) {
        if (line.startsWith(prefix)) values.append(line.mid(prefix.size()));
    }
    return values;
}

inline QStringList linesOf(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines) list.append(QString::fromUtf8(line));
    return list;
}

}  // namespace dravik::test
