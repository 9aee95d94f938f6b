#include "script_runner.h"

#include "controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>

namespace dravik {
namespace {

// Splits "WORD REST": the rest is everything after one separating blank.
std::pair<QString, QString> firstWord(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0) return {text, QString()};
    return {text.left(blank), text.mid(blank + 1)};
}

QString qualifiedName(const QWidget* window, const QWidget* control) {
    return control == window ? window->objectName() : window->objectName() + QLatin1Char('.') + control->objectName();
}

// The user enters a field, then types: focus first, then the text.
void typeInto(QLineEdit* edit, const QString& text) {
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(edit, &focusIn);
    edit->selectAll();
    if (text.isEmpty()) {
        edit->del();
    } else {
        edit->insert(text);
    }
}

QStringList textLines(const QString& text) { return text.split(QLatin1Char('\n')); }

QStringList gridRows(const QAbstractItemModel* model) {
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) cells.append(model->index(r, c).data().toString());
        rows.append(cells.join(QLatin1Char('\t')));
    }
    return rows;
}

QRadioButton* radioWithText(QWidget* group, const QString& text) {
    for (QRadioButton* radio : group->findChildren<QRadioButton*>()) {
        if (withoutMnemonic(radio->text()) == text) return radio;
    }
    return nullptr;
}

QString checkedRadioText(QWidget* group) {
    for (QRadioButton* radio : group->findChildren<QRadioButton*>()) {
        if (radio->isChecked()) return withoutMnemonic(radio->text());
    }
    return QString();
}

}  // namespace

void ScriptMessages::message(const QString& text) {
    out_ << "message: " << text << '\n';
    out_.flush();
}

void ScriptMessages::error(const QString& text) {
    wroteError_ = true;
    out_ << "error: " << text << '\n';
    out_.flush();
}

ScriptRunner::ScriptRunner(std::vector<QWidget*> windows, QTextStream& out, QTextStream& problems,
                           MessageSink& messages)
    : windows_(std::move(windows)), out_(out), problems_(problems), messages_(messages) {}

int ScriptRunner::run(const QStringList& lines) {
    for (int i = 0; i < lines.size() && !quitRequested_; ++i) {
        QString text = lines[i];
        if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
        if (text.trimmed().isEmpty() || text.startsWith(QLatin1Char('#'))) continue;
        const auto [command, rest] = firstWord(text);
        if (!perform({i + 1, command, rest})) return 2;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    return 0;
}

bool ScriptRunner::perform(const Line& line) {
    const auto [name, rest] = firstWord(line.rest);
    if (line.command == QLatin1String("set")) return set(line, name, rest);
    if (line.command == QLatin1String("choose")) return choose(line, name, rest);
    if (line.command == QLatin1String("tick")) return tick(line, name, true);
    if (line.command == QLatin1String("untick")) return tick(line, name, false);
    if (line.command == QLatin1String("click")) return click(line, name);
    if (line.command == QLatin1String("pick")) return pick(line, name, rest);
    if (line.command == QLatin1String("cell")) return cell(line, name, rest);
    if (line.command == QLatin1String("print")) return print(line, name);
    if (line.command == QLatin1String("state")) return state(line, name);
    return scriptError(line, QStringLiteral("unknown command \"%1\"").arg(line.command));
}

bool ScriptRunner::scriptError(const Line& line, const QString& what) {
    problems_ << QStringLiteral("script error at line %1: %2").arg(line.number).arg(what) << '\n';
    problems_.flush();
    return false;
}

void ScriptRunner::write(const QString& text) {
    out_ << text << '\n';
    out_.flush();
}

QWidget* ScriptRunner::find(const Line& line, const QString& name) {
    QString formName;
    QString controlName = name;
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        formName = name.left(dot);
        controlName = name.mid(dot + 1);
    }
    std::vector<std::pair<QWidget*, QWidget*>> candidates;  // window, control
    for (QWidget* window : windows_) {
        if (!formName.isEmpty() && window->objectName() != formName) continue;
        if (formName.isEmpty() && window->objectName() == controlName) candidates.emplace_back(window, window);
        for (QWidget* child : window->findChildren<QWidget*>(controlName)) candidates.emplace_back(window, child);
    }
    if (candidates.size() == 1) return candidates.front().second;
    if (candidates.empty()) {
        scriptError(line, QStringLiteral("unknown name \"%1\"").arg(name));
        return nullptr;
    }
    QStringList names;
    for (const auto& [window, control] : candidates) names.append(qualifiedName(window, control));
    scriptError(line, QStringLiteral("the name \"%1\" is not unique: %2").arg(name, names.join(QStringLiteral(", "))));
    return nullptr;
}

bool ScriptRunner::set(const Line& line, const QString& name, const QString& text) {
    QWidget* control = find(line, name);
    if (!control) return false;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        typeInto(edit, text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable()) {
        typeInto(combo->lineEdit(), text);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (!ok) return scriptError(line, QStringLiteral("\"%1\" is not a whole number").arg(text));
        spin->setValue(value);
    } else {
        return scriptError(line, QStringLiteral("\"%1\" takes no typed text").arg(name));
    }
    return true;
}

bool ScriptRunner::choose(const Line& line, const QString& name, const QString& text) {
    QWidget* control = find(line, name);
    if (!control) return false;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = combo->findText(text, Qt::MatchExactly);
        if (index < 0) return scriptError(line, QStringLiteral("\"%1\" has no item \"%2\"").arg(name, text));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
        return true;
    }
    if (QRadioButton* radio = radioWithText(control, text)) {
        radio->click();
        return true;
    }
    return scriptError(line, QStringLiteral("\"%1\" has no item \"%2\"").arg(name, text));
}

bool ScriptRunner::tick(const Line& line, const QString& name, bool checked) {
    QWidget* control = find(line, name);
    if (!control) return false;
    auto* box = qobject_cast<QCheckBox*>(control);
    if (!box) return scriptError(line, QStringLiteral("\"%1\" is not a check box").arg(name));
    if (box->isChecked() != checked) box->click();
    return true;
}

bool ScriptRunner::click(const Line& line, const QString& name) {
    QWidget* control = find(line, name);
    if (!control) return false;
    if (control->isWindow()) {
        control->close();
        return true;
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button) return scriptError(line, QStringLiteral("\"%1\" is not a button").arg(name));
    if (!button->isEnabled() || !button->isVisible()) {
        messages_.error(QStringLiteral("%1 is disabled").arg(name));
        return true;
    }
    button->click();
    return true;
}

bool ScriptRunner::pick(const Line& line, const QString& name, const QString& rowText) {
    QWidget* control = find(line, name);
    if (!control) return false;
    auto* grid = qobject_cast<QTableView*>(control);
    if (!grid) return scriptError(line, QStringLiteral("\"%1\" is not a grid").arg(name));
    bool ok = false;
    const int row = rowText.trimmed().toInt(&ok);
    if (!ok || row < 0 || row >= grid->model()->rowCount()) {
        return scriptError(line, QStringLiteral("\"%1\" has no row \"%2\"").arg(name, rowText));
    }
    // A click: the row becomes the current one, then the view reports the click.
    const QModelIndex cell = grid->model()->index(row, 0);
    {
        const QSignalBlocker blockView(grid);
        const QSignalBlocker blockSelection(grid->selectionModel());
        grid->setCurrentIndex(cell);
    }
    emit grid->clicked(cell);
    return true;
}

bool ScriptRunner::cell(const Line& line, const QString& name, const QString& arguments) {
    QWidget* control = find(line, name);
    if (!control) return false;
    auto* grid = qobject_cast<QTableView*>(control);
    if (!grid) return scriptError(line, QStringLiteral("\"%1\" is not a grid").arg(name));
    QAbstractItemModel* model = grid->model();
    const auto [rowText, afterRow] = firstWord(arguments);
    const auto [columnText, text] = firstWord(afterRow);
    bool rowOk = false;
    bool columnOk = false;
    const int row = rowText.toInt(&rowOk);
    const int column = columnText.toInt(&columnOk);
    if (!rowOk || !columnOk || row < 0 || row >= model->rowCount() || column < 0 || column >= model->columnCount()) {
        return scriptError(line, QStringLiteral("\"%1\" has no cell %2 %3").arg(name, rowText, columnText));
    }
    model->setData(model->index(row, column), text);
    return true;
}

bool ScriptRunner::print(const Line& line, const QString& name) {
    QStringList lines;
    if (name == QLatin1String("clipboard")) {
        lines = textLines(QGuiApplication::clipboard()->text());
    } else {
        QWidget* control = find(line, name);
        if (!control) return false;
        if (control->isWindow()) {
            lines = {control->windowTitle()};
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
            lines = textLines(memo->toPlainText());
        } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
            lines = textLines(rich->toPlainText());
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            lines = {edit->text()};
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            lines = {combo->currentText()};
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            lines = {label->text()};
        } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            lines = {QString::number(spin->value())};
        } else if (auto* grid = qobject_cast<QTableView*>(control)) {
            lines = gridRows(grid->model());
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            // What the button reads: Alt shortcuts leave the caption as it was.
            lines = {withoutMnemonic(button->text())};
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            lines = {checkedRadioText(group)};
        } else {
            return scriptError(line, QStringLiteral("\"%1\" has no text to print").arg(name));
        }
    }
    if (lines.isEmpty()) lines = {QString()};
    // A report goes out in one piece, not as a write per line.
    for (const QString& text : lines) out_ << text << '\n';
    out_.flush();
    return true;
}

bool ScriptRunner::state(const Line& line, const QString& name) {
    QWidget* control = find(line, name);
    if (!control) return false;
    QString text = QStringLiteral("%1 enabled=%2 visible=%3")
                       .arg(name)
                       .arg(control->isEnabled() ? 1 : 0)
                       .arg(control->isVisible() ? 1 : 0);
    if (auto* box = qobject_cast<QCheckBox*>(control)) text += QStringLiteral(" checked=%1").arg(box->isChecked() ? 1 : 0);
    if (auto* radio = qobject_cast<QRadioButton*>(control)) text += QStringLiteral(" checked=%1").arg(radio->isChecked() ? 1 : 0);
    if (auto* combo = qobject_cast<QComboBox*>(control)) text += QStringLiteral(" items=%1").arg(combo->count());
    write(text);
    return true;
}

}  // namespace dravik
