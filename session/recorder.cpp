#include "recorder.h"

#include "control_names.h"
#include "controls.h"
#include "design_actions.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

namespace dravik {
namespace {

bool isUserInput(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress ||
           type == QEvent::Wheel;
}

// A count that drops may leave something behind (the steel editor blanks
// the point row a count leaves), so each drop is written; a rise only shows
// rows again, so a run of rises is written as its last value.
std::vector<int> valuesToWrite(int start, const std::vector<int>& trail) {
    std::vector<int> values;
    int previous = start;
    bool lastRose = false;
    for (const int value : trail) {
        if (value == previous) continue;
        const bool rises = value > previous;
        if (rises && lastRose && !values.empty()) {
            values.back() = value;
        } else {
            values.push_back(value);
        }
        lastRose = rises;
        previous = value;
    }
    return values;
}

std::set<QWidget*> visibleWindows(const std::vector<QWidget*>& windows) {
    std::set<QWidget*> visible;
    for (QWidget* window : windows) {
        if (window->isVisible()) visible.insert(window);
    }
    return visible;
}

bool isEditable(const QTableView* grid) { return grid->editTriggers() != QAbstractItemView::NoEditTriggers; }

}  // namespace

Recorder::Recorder(std::vector<QWidget*> windows) : windows_(std::move(windows)) {
    for (QWidget* window : windows_) hookWindow(window);
    visible_ = visibleWindows(windows_);
    absorbProgramChanges();
}

// Qt takes a deleted event filter off the objects it watched.
Recorder::~Recorder() = default;

void Recorder::flush() { beforeAction(nullptr); }

QStringList Recorder::lines() {
    flush();
    QStringList lines;
    for (const Entry& entry : entries_) {
        if (entry.kept) lines.append(entry.line);
    }
    return lines;
}

// ---- Hooks -------------------------------------------------------------------

void Recorder::hookWindow(QWidget* window) {
    watch(window, window);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (auto* list = qobject_cast<QComboBox*>(child)) {
            if (!list->objectName().isEmpty()) hookList(window, list);
        } else if (auto* spin = qobject_cast<QSpinBox*>(child)) {
            if (!spin->objectName().isEmpty()) hookSpin(window, spin);
        } else if (auto* grid = qobject_cast<QTableView*>(child)) {
            if (!grid->objectName().isEmpty()) hookGrid(window, grid);
        } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            hookButton(window, button);
        } else if (auto* edit = qobject_cast<QLineEdit*>(child)) {
            // The edits inside lists and spin boxes belong to them.
            const bool ownField = !qobject_cast<QComboBox*>(edit->parentWidget()) &&
                                  !qobject_cast<QAbstractSpinBox*>(edit->parentWidget());
            if (ownField && !edit->objectName().isEmpty()) hookEdit(window, edit, edit);
        }
    }
}

void Recorder::watch(QObject* object, QObject* control) {
    controlOf_[object] = control;
    object->installEventFilter(this);
}

void Recorder::hookEdit(QWidget* window, QLineEdit* edit, QWidget* named) {
    watch(edit, named);
    connect(edit, &QLineEdit::textEdited, this, [this, window, named](const QString& text) { typed(window, named, text); });
    connect(edit, &QLineEdit::editingFinished, this, [this, named] {
        if (typed_.control == named) writeTyped(nullptr);
    });
}

void Recorder::hookList(QWidget* window, QComboBox* list) {
    watch(list, list);
    if (list->isEditable()) hookEdit(window, list->lineEdit(), list);
    connect(list, &QComboBox::activated, this, [this, window, list](int index) { listActivated(window, list, index); });
}

void Recorder::hookButton(QWidget* window, QAbstractButton* button) {
    // A radio button is chosen by its text in the named group around it.
    QWidget* named = qobject_cast<QRadioButton*>(button) ? button->parentWidget() : button;
    if (!named || named->objectName().isEmpty()) return;
    connect(button, &QAbstractButton::pressed, this, [this, window, button] { beforeClick(window, button); });
    connect(button, &QAbstractButton::clicked, this, [this, window, button] { clickedButton(window, button); });
}

void Recorder::hookSpin(QWidget* window, QSpinBox* spin) {
    watch(spin, spin);
    if (auto* edit = spin->findChild<QLineEdit*>()) watch(edit, spin);
    spins_[spin] = {window, spin->value(), {}};
    connect(spin, &QSpinBox::valueChanged, this, [this, spin](int value) {
        spins_[spin].trail.push_back(value);
        // Rows a count shows or hides are the program's doing.
        for (auto& [grid, track] : grids_) takeGrid(grid, track);
    });
}

void Recorder::hookGrid(QWidget* window, QTableView* grid) {
    watch(grid, grid);
    watch(grid->viewport(), grid);
    if (isEditable(grid)) {
        grids_[grid] = {window, {}};
        return;
    }
    // A grid that only shows a table: a click on a row picks it.
    connect(grid, &QAbstractItemView::pressed, this, [this, grid] { beforeAction(grid); });
    connect(grid, &QAbstractItemView::clicked, this, [this, window, grid](const QModelIndex& cell) {
        afterAction(window, actionLine("pick", window, grid, QString::number(cell.row())));
    });
}

bool Recorder::eventFilter(QObject* watched, QEvent* event) {
    const auto found = controlOf_.find(watched);
    if (found == controlOf_.end()) return false;
    QObject* control = found->second;
    if (event->type() == QEvent::Close && control == watched) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->isVisible()) {
            closeWindow(window, event);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        if (enteredByUser(static_cast<const QFocusEvent*>(event))) beforeAction(control);
    } else if (isUserInput(event->type()) && !qobject_cast<QLineEdit*>(control)) {
        beforeAction(control);
    }
    return false;
}

// ---- Actions -----------------------------------------------------------------

void Recorder::clickedButton(QWidget* window, QAbstractButton* button) {
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        afterAction(window, actionLine(box->isChecked() ? "tick" : "untick", window, box));
        return;
    }
    if (qobject_cast<QRadioButton*>(button)) {
        afterAction(window, actionLine("choose", window, button->parentWidget(), withoutMnemonic(button->text())));
        return;
    }
    const QString line = actionLine("click", window, button);
    switch (actionRole({window, button})) {
    case ActionRole::Design:
    case ActionRole::ChangesCatalogue:
        afterAction(window, line);
        break;
    case ActionRole::ViewOnly:
        afterViewing(window, line);
        break;
    case ActionRole::Import:  // what it filled in is written before the next action
    case ActionRole::Never:
        break;
    }
}

// The close box: the window's own handling runs here, between what is
// written before the action and what the action is.
void Recorder::closeWindow(QWidget* window, QEvent* close) {
    const ActionRole role = actionRole({window, window});
    if (role != ActionRole::Never) beforeClick(window, window);
    static_cast<QObject*>(window)->event(close);
    const QString line = actionLine("click", window, window);
    if (role == ActionRole::ViewOnly) {
        afterViewing(window, line);
    } else if (role != ActionRole::Never) {
        afterAction(window, line);
    }
}

void Recorder::beforeClick(QWidget* window, QWidget* control) {
    if (beforeCatalogueChange && actionRole({window, control}) == ActionRole::ChangesCatalogue) beforeCatalogueChange();
    beforeAction(control);
}

// Enter in an editable list chooses what was typed: that is the typed text.
void Recorder::listActivated(QWidget* window, QComboBox* list, int index) {
    const QString item = list->itemText(index);
    if (typed_.control == list) {
        const bool choseTheTypedText = typed_.text == item;
        writeTyped(nullptr);
        if (choseTheTypedText) {
            afterAction(window, QString());
            return;
        }
    }
    afterAction(window, actionLine("choose", window, list, item));
}

void Recorder::typed(QWidget* window, QWidget* control, const QString& text) {
    if (typed_.control && typed_.control != control) writeTyped(nullptr);
    typed_ = {control, window, text};
    absorbProgramChanges();
    bump();
}

void Recorder::beforeAction(QObject* control) {
    writeTyped(control);
    writeSpins(control);
    writeGrids(control);
    visible_ = visibleWindows(windows_);
}

void Recorder::afterAction(QWidget* window, const QString& line) {
    writeTyped(nullptr);
    if (!line.isEmpty()) append(window, line, true);
    followVisibility();
    absorbProgramChanges();
}

// A window shown only to look at is written when something is later done
// in it; closing it again is written when its showing was.
void Recorder::afterViewing(QWidget* window, const QString& line) {
    const std::set<QWidget*> now = visibleWindows(windows_);
    bool keepLine = false;
    for (QWidget* hidden : visible_) {
        if (now.contains(hidden)) continue;
        const auto shown = shownBy_.find(hidden);
        if (shown == shownBy_.end()) {
            keepLine = true;
        } else {
            shownBy_.erase(shown);
        }
    }
    std::vector<QWidget*> opened;
    for (QWidget* shown : now) {
        if (!visible_.contains(shown)) opened.push_back(shown);
    }
    if (!line.isEmpty() && (keepLine || !opened.empty())) {
        append(window, line, keepLine);
        for (QWidget* shown : opened) shownBy_[shown] = entries_.size() - 1;
    }
    visible_ = now;
}

// Windows an action showed or hid are its own doing, not a look.
void Recorder::followVisibility() {
    const std::set<QWidget*> now = visibleWindows(windows_);
    for (QWidget* window : windows_) {
        if (now.contains(window) != visible_.contains(window)) shownBy_.erase(window);
    }
    visible_ = now;
}

// ---- Writing -----------------------------------------------------------------

void Recorder::writeTyped(QObject* except) {
    if (!typed_.control || typed_.control == except) return;
    const Typed typed = typed_;
    typed_ = {};
    append(typed.window, actionLine("set", typed.window, typed.control, typed.text), true);
}

void Recorder::writeSpins(QObject* except) {
    for (auto& [spin, track] : spins_) {
        if (spin == except || track.trail.empty()) continue;
        for (const int value : valuesToWrite(track.value, track.trail)) {
            append(track.window, actionLine("set", track.window, spin, QString::number(value)), true);
        }
        track.value = spin->value();
        track.trail.clear();
    }
}

void Recorder::writeGrids(QObject* except) {
    for (auto& [grid, track] : grids_) {
        if (grid == except) continue;
        const QAbstractItemModel* model = grid->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex cell = model->index(row, column);
                if (!(model->flags(cell) & Qt::ItemIsEditable)) continue;
                const QString text = cell.data().toString();
                const bool known = row < static_cast<int>(track.cells.size());
                if (known ? text == track.cells[row].value(column) : text.isEmpty()) continue;
                append(track.window, actionLine("cell", track.window, grid, QStringLiteral("%1 %2 %3").arg(row).arg(column).arg(text)),
                       true);
            }
        }
        takeGrid(grid, track);
    }
}

void Recorder::absorbProgramChanges() {
    for (auto& [spin, track] : spins_) {
        track.value = spin->value();
        track.trail.clear();
    }
    for (auto& [grid, track] : grids_) takeGrid(grid, track);
}

void Recorder::takeGrid(QTableView* grid, GridTrack& track) const {
    const QAbstractItemModel* model = grid->model();
    track.cells.assign(static_cast<std::size_t>(model->rowCount()), {});
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            track.cells[row].append(model->index(row, column).data().toString());
        }
    }
}

void Recorder::append(QWidget* window, const QString& line, bool kept) {
    if (line.isEmpty()) return;
    entries_.push_back({line, window, false});
    if (kept) keep(entries_.size() - 1);
}

// A kept line needs its window open: the look that opened it is kept too.
void Recorder::keep(std::size_t entry) {
    entries_[entry].kept = true;
    const auto shown = shownBy_.find(entries_[entry].window);
    if (shown != shownBy_.end()) {
        const std::size_t opener = shown->second;
        shownBy_.erase(shown);
        keep(opener);
    }
    bump();
}

void Recorder::bump() {
    ++revision_;
    if (changed) changed();
}

// A control that no script name reaches alone gives no line.
QString Recorder::actionLine(const char* command, QWidget* window, QWidget* control,
                             const std::optional<QString>& arguments) const {
    const QString name = scriptName(windows_, window, control);
    if (name.isEmpty()) return QString();
    QString line = QLatin1String(command) + QLatin1Char(' ') + name;
    if (arguments) line += QLatin1Char(' ') + *arguments;
    return line;
}

}  // namespace dravik
