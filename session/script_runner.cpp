#include "script_runner.h"

#include "control_names.h"
#include "controls.h"
#include "document_commands.h"
#include "window_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QThreadPool>

namespace dravik {
namespace {

// The user enters a control by clicking into it before using it.
void enter(QWidget* control) {
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(control, &focusIn);
}

// The user enters a field, then types: focus first, then the text.
void typeInto(QLineEdit* edit, const QString& text) {
    enter(edit);
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
        if (waitForBackgroundWork_) QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    return 0;
}

bool ScriptRunner::perform(const Line& line) {
    const auto [name, rest] = firstWord(line.rest);
    if (line.command == QLatin1String("set")) return set(line, name, rest);
    if (line.command == QLatin1String("choose")) return choose(line, name, rest);
    if (line.command == QLatin1String("tick")) return tick(line, name, rest, true);
    if (line.command == QLatin1String("untick")) return tick(line, name, rest, false);
    if (line.command == QLatin1String("click")) return click(line, name);
    if (line.command == QLatin1String("pick")) return pick(line, name, rest);
    if (line.command == QLatin1String("cell")) return cell(line, name, rest);
    if (line.command == QLatin1String("print")) return print(line, name);
    if (line.command == QLatin1String("state")) return state(line, name);
    if (documents_ && (line.command == QLatin1String("save") || line.command == QLatin1String("open") ||
                       line.command == QLatin1String("export"))) {
        return document(line);
    }
    return scriptError(line, QStringLiteral("unknown command \"%1\"").arg(line.command));
}

bool ScriptRunner::scriptError(const Line& line, const QString& what) {
    problemLine_ = line.number;
    problem_ = what;
    problems_ << QStringLiteral("script error at line %1: %2").arg(line.number).arg(what) << '\n';
    problems_.flush();
    return false;
}

void ScriptRunner::write(const QString& text) {
    out_ << text << '\n';
    out_.flush();
}

QWidget* ScriptRunner::find(const Line& line, const QString& name) {
    const NameLookup lookup = lookUpName(windows_, name);
    if (!lookup.problem.isEmpty()) {
        scriptError(line, lookup.problem);
        return nullptr;
    }
    return lookup.found.control;
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
        enter(spin);
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
        enter(combo);
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

bool ScriptRunner::tick(const Line& line, const QString& name, const QString& item, bool checked) {
    QWidget* control = find(line, name);
    if (!control) return false;
    // A list of check boxes: the item with the text, as a click on its box.
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        const QList<QListWidgetItem*> found = list->findItems(item, Qt::MatchExactly);
        if (found.isEmpty() || !(found.first()->flags() & Qt::ItemIsUserCheckable)) {
            return scriptError(line, QStringLiteral("\"%1\" has no item \"%2\" to tick").arg(name, item));
        }
        found.first()->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        return true;
    }
    auto* box = qobject_cast<QCheckBox*>(control);
    if (!box) return scriptError(line, QStringLiteral("\"%1\" is not a check box").arg(name));
    if (box->isChecked() != checked) box->click();
    return true;
}

bool ScriptRunner::click(const Line& line, const QString& name) {
    QWidget* control = find(line, name);
    if (!control) return false;
    if (control->isWindow()) {
        closeAsUser(control);
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
    // A click: the mouse goes down on the row, the row becomes the current
    // one, then the view reports the click.
    const QModelIndex cell = grid->model()->index(row, 0);
    emit grid->pressed(cell);
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
    // A user can type only into a cell the grid lets them edit: not into a
    // heading row, a read-only grid or a grid that only shows a table.
    const QModelIndex index = model->index(row, column);
    if (!(model->flags(index) & Qt::ItemIsEditable) || grid->editTriggers() == QAbstractItemView::NoEditTriggers) {
        write(QStringLiteral("error: %1 row %2 column %3 cannot be edited").arg(name).arg(row).arg(column));
        return true;
    }
    model->setData(index, text);
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

// FILE is the rest of the line, relative to the current folder. A file that
// cannot be read or written is an error line; the run goes on. "export" of a
// .csv file writes the design variants' table, any other the report.
bool ScriptRunner::document(const Line& line) {
    if (line.rest.isEmpty()) return scriptError(line, QStringLiteral("\"%1\" needs a file name").arg(line.command));
    if (line.command == QLatin1String("save")) {
        documents_->save(line.rest);
    } else if (line.command == QLatin1String("open")) {
        documents_->open(line.rest);
    } else if (QFileInfo(line.rest).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) {
        documents_->exportVariants(line.rest);
    } else {
        documents_->exportReport(line.rest);
    }
    return true;
}

}  // namespace dravik
