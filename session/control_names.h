#pragma once

#include <QString>
#include <utility>
#include <vector>

class QWidget;

namespace dravik {

// A control of one of the windows, or a window itself (`control` ==
// `window`), as a script line names it.
struct NamedControl {
    QWidget* window = nullptr;
    QWidget* control = nullptr;
};

// What a script name stands for: a control's or a window's objectName,
// qualified by the form name and a dot ("Raschet_obmotok_KU.Button1") where
// the bare name is not unique. Exactly one match, or the problem in the
// words a script error uses.
struct NameLookup {
    NamedControl found;
    QString problem;  // empty when found
};
NameLookup lookUpName(const std::vector<QWidget*>& windows, const QString& name);

// The name a script line gives `control` of `window`: its bare objectName
// when that is unique, else qualified by the form name; empty when not even
// that names it alone (a control without a name of its own).
QString scriptName(const std::vector<QWidget*>& windows, QWidget* window, QWidget* control);

// Splits a script line's "WORD REST": the rest is everything after one
// separating blank.
std::pair<QString, QString> firstWord(const QString& text);

}  // namespace dravik
