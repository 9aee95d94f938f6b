#pragma once

#include "gui/script_session.h"

#include <QString>
#include <QStringList>

// Script pieces shared by the Stage II and "Add wire" tests.
namespace dravik::test {

// The designer's way into Stage II: the standard core for the default
// 100 kVA design, the magnetic calculation (which succeeds for every
// scheme), and the hand-over. `scheme` empty keeps the default "Y/Zn-11".
inline QString toStageTwo(const QString& scheme = QString()) {
    QString script = QStringLiteral("click Button9\n");
    if (!scheme.isEmpty()) script += QStringLiteral("choose CB_Shem %1\n").arg(scheme);
    return script + QStringLiteral("click Button_Raschet\nclick But_EtapII\n");
}

// Stage II with the wire grid and its commands enabled: an LV calculation
// has run its conductor search (found or not, it opens the catalogue).
inline QString toOpenCatalogue() { return toStageTwo() + QStringLiteral("click RaschetObmotki_NN\n"); }

// The lines of a run from the first one that starts with `marker` on.
inline QStringList from(const QStringList& lines, const QString& marker) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(marker)) return lines.mid(i);
    }
    return {};
}

}  // namespace dravik::test
