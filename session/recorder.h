#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableView;
class QWidget;

namespace dravik {

// Writes down what the user does in the windows as the script lines that do
// it again: set, choose, tick, untick, click, pick and cell. It listens to
// the controls' user signals only (an edit's textEdited, a list's activated,
// a button's clicked, a grid's clicked), so what the program changes by
// itself is never written, and a script run, which acts through the same
// signals, is written by the same code.
//
// A typed text is written when the user leaves the field, as it stood after
// the last keystroke, and before any other action. Spin boxes and the
// steel editor's curve grids hold no such signal: what changed in them
// since the program last acted is written just before the user's next
// action. So is what the "Excel" import filled in, since the workbook may be
// gone when the design is opened again.
//
// Opening a window only to look at it, or closing it again, is written only
// where a later action needs the window open (a click on a hidden window's
// button would be refused when the design is replayed).
class Recorder final : public QObject {
public:
    explicit Recorder(std::vector<QWidget*> windows);
    ~Recorder() override;

    // Every line of the design so far, including what the user has not yet
    // left.
    QStringList lines();
    // Writes what the user has not yet left.
    void flush();
    // Counts what the user changed; a design is modified while the count
    // differs from the one it was saved at.
    quint64 revision() const { return revision_; }
    // Called after each change of the count.
    std::function<void()> changed;
    // Called before an action that may add, change or remove a wire or a steel.
    std::function<void()> beforeCatalogueChange;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QString line;
        QWidget* window;  // the window of the control the line acts on
        bool kept;        // false: a window shown that nothing has needed yet
    };
    struct SpinTrack {
        QWidget* window;
        int value;               // at the last point the program was done acting
        std::vector<int> trail;  // every value since
    };
    struct GridTrack {
        QWidget* window;
        std::vector<QStringList> cells;  // rows of texts at that point
    };
    struct Typed {
        QPointer<QWidget> control;
        QWidget* window = nullptr;
        QString text;
    };

    void hookWindow(QWidget* window);
    void hookEdit(QWidget* window, QLineEdit* edit, QWidget* named);
    void hookList(QWidget* window, QComboBox* list);
    void hookButton(QWidget* window, QAbstractButton* button);
    void hookSpin(QWidget* window, QSpinBox* spin);
    void hookGrid(QWidget* window, QTableView* grid);
    void watch(QObject* object, QObject* control);

    // Before a user's action on `control`: writes what is waiting from the
    // other controls.
    void beforeAction(QObject* control);
    // After the action and its handlers: writes `line`, then takes what the
    // handlers changed as the program's.
    void afterAction(QWidget* window, const QString& line);
    // After an action that only showed or hid windows.
    void afterViewing(QWidget* window, const QString& line);
    void clickedButton(QWidget* window, QAbstractButton* button);
    void closeWindow(QWidget* window, QEvent* close);
    void beforeClick(QWidget* window, QWidget* control);
    void listActivated(QWidget* window, QComboBox* list, int index);
    void typed(QWidget* window, QWidget* control, const QString& text);

    void writeTyped(QObject* control = nullptr);
    void writeSpins(QObject* except);
    void writeGrids(QObject* except);
    void absorbProgramChanges();
    void takeGrid(QTableView* grid, GridTrack& track) const;
    void append(QWidget* window, const QString& line, bool kept);
    void keep(std::size_t entry);
    void followVisibility();
    void bump();
    QString actionLine(const char* command, QWidget* window, QWidget* control,
                       const std::optional<QString>& arguments = std::nullopt) const;

    std::vector<QWidget*> windows_;
    std::vector<Entry> entries_;
    Typed typed_;
    std::map<QSpinBox*, SpinTrack> spins_;
    std::map<QTableView*, GridTrack> grids_;
    std::map<QObject*, QObject*> controlOf_;  // watched object -> the control it belongs to
    std::set<QWidget*> visible_;              // windows visible before the action
    std::map<QWidget*, std::size_t> shownBy_;  // window -> the entry that showed it, not yet kept
    quint64 revision_ = 0;
};

}  // namespace dravik
