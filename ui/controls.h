#pragma once

#include "common/report.h"
#include "field_mark.h"

#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <span>

class QAbstractButton;
class QComboBox;
class QFocusEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class QWidget;

// Small helpers every window shares, so that the controls behave alike:
// an edit's change handler runs only when its text really changes, a combo
// box's handler only on the user's choice, and data is shown as plain text.
namespace dravik {

class MessageSink;

// The windows' controls, each created under its objectName; names and
// texts may be UTF-8 literals or QStrings.
QPushButton* namedButton(QAnyStringView name, QAnyStringView caption, QWidget* parent);
// A label that never interprets its text as markup.
QLabel* namedLabel(QAnyStringView name, QAnyStringView text, QWidget* parent);
// An edit field holding `text`, at most `maximumWidth` wide (0: any width).
QLineEdit* namedField(QAnyStringView name, QAnyStringView text, QWidget* parent, int maximumWidth = 0);
// A list with item `current` selected; an editable list also takes typed
// text, which never becomes an item of the list.
QComboBox* namedList(QAnyStringView name, const QStringList& items, int current, QWidget* parent,
                     bool editable = false);
QStringList utf8Items(std::span<const char* const> items);

// Underlines in each button's caption its letter of `letters` (the same
// place in the list) so that Alt and the letter press the button: at the
// first word that starts with it, else at its first place in a word (either
// case). A letter the caption lacks is a fault of the program
// (std::logic_error).
void markMnemonics(std::initializer_list<QAbstractButton*> buttons, QStringView letters);

// Tab and Shift+Tab go through the controls in this order.
void setTabChain(std::initializer_list<QWidget*> controls);

// A caption as the user reads it: the mnemonic marks gone, "&&" back to "&".
QString withoutMnemonic(const QString& caption);

// Sets the text only when it differs, so that the change handler runs for
// a real change only.
void setTextIfChanged(QLineEdit* edit, const QString& text);

// The first "." of the field becomes "," and the text is written back.
QString pointToCommaInField(QLineEdit* edit);

// Runs `handler` when the user chooses an item or types into an editable
// combo box; program changes of the combo box stay silent.
void onUserChoice(QComboBox* combo, const std::function<void()>& handler);

// Selects an item from the program without running the user handlers.
void selectSilently(QComboBox* combo, int index);

// A caption without a name of its own, shown as plain text.
QLabel* plainLabel(const QString& text, QWidget* parent = nullptr);

// A box of text the program writes and the user only reads: Arial of the
// given pixel size, a vertical scroll bar, no undo history.
QPlainTextEdit* readOnlyMemo(const QString& objectName, int pixelSize, QWidget* parent);

// Gives a memo room for at least `lines` lines of its text, so that a
// report can be read without scrolling at every line.
void keepLinesVisible(QPlainTextEdit* memo, int lines);

// A form part that scrolls when its window is too small for it, and fills
// the room it is given otherwise. Drawn without a frame of its own.
QScrollArea* scrollingPane(const QString& objectName, QWidget* content, QWidget* parent);

// Panes the user can resize by dragging the bars between them; a pane is
// never dragged shut. `stretches` gives each pane's share of a change of
// the window's size.
QSplitter* namedSplitter(const QString& objectName, Qt::Orientation orientation, std::span<QWidget* const> panes,
                         std::span<const int> stretches, QWidget* parent);

// The lines of a results box, and showing a report in it.
QStringList memoLines(const QPlainTextEdit* memo);
void showReport(QPlainTextEdit* memo, const Report& report);

// The user entering a control: a click, Tab or a shortcut. Focus coming
// back with a window, after a message box, or given by the program, is not.
bool enteredByUser(const QFocusEvent* event);

// Runs a command, then `show` (whether or not the command failed, so that
// what it wrote before a failure is seen), then shows the failure that
// stopped it, if any, as an error message. A failure that names an input
// field of `fieldWindows` takes the user to that field (field_mark.h); the
// marks of an earlier command there go as this one starts. Returns false
// when it failed.
bool runCommand(MessageSink& messages, const std::function<void()>& command,
                const std::function<void()>& show = {}, FieldWindows fieldWindows = {});

}  // namespace dravik
