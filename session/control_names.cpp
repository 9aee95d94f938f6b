#include "control_names.h"

#include <QStringList>
#include <QWidget>

namespace dravik {
namespace {

QString qualifiedName(const NamedControl& named) {
    return named.control == named.window ? named.window->objectName()
                                         : named.window->objectName() + QLatin1Char('.') + named.control->objectName();
}

std::vector<NamedControl> candidates(const std::vector<QWidget*>& windows, const QString& name) {
    QString formName;
    QString controlName = name;
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        formName = name.left(dot);
        controlName = name.mid(dot + 1);
    }
    std::vector<NamedControl> found;
    for (QWidget* window : windows) {
        if (!formName.isEmpty() && window->objectName() != formName) continue;
        if (formName.isEmpty() && window->objectName() == controlName) found.push_back({window, window});
        for (QWidget* child : window->findChildren<QWidget*>(controlName)) found.push_back({window, child});
    }
    return found;
}

}  // namespace

NameLookup lookUpName(const std::vector<QWidget*>& windows, const QString& name) {
    const std::vector<NamedControl> found = candidates(windows, name);
    if (found.size() == 1) return {found.front(), QString()};
    if (found.empty()) return {{}, QStringLiteral("unknown name \"%1\"").arg(name)};
    QStringList names;
    for (const NamedControl& named : found) names.append(qualifiedName(named));
    return {{}, QStringLiteral("the name \"%1\" is not unique: %2").arg(name, names.join(QStringLiteral(", ")))};
}

QString scriptName(const std::vector<QWidget*>& windows, QWidget* window, QWidget* control) {
    if (control->objectName().isEmpty()) return QString();
    const NamedControl named{window, control};
    for (const QString& name : {control == window ? window->objectName() : control->objectName(), qualifiedName(named)}) {
        const std::vector<NamedControl> found = candidates(windows, name);
        if (found.size() == 1 && found.front().control == control) return name;
    }
    return QString();
}

std::pair<QString, QString> firstWord(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0) return {text, QString()};
    return {text.left(blank), text.mid(blank + 1)};
}

}  // namespace dravik
