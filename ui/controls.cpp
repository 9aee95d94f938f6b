#include "controls.h"

#include "common/command_error.h"
#include "common/number_text.h"
#include "messages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QSignalBlocker>
#include <QTextDocument>
#include <optional>
#include <stdexcept>

namespace dravik {

QPushButton* namedButton(QAnyStringView name, QAnyStringView caption, QWidget* parent) {
    auto* button = new QPushButton(caption.toString(), parent);
    button->setObjectName(name.toString());
    return button;
}

QLabel* namedLabel(QAnyStringView name, QAnyStringView text, QWidget* parent) {
    QLabel* label = plainLabel(text.toString(), parent);
    label->setObjectName(name.toString());
    return label;
}

// The text goes in once the field has its window's font: given to the
// constructor, Qt lays it out twice, first in the application's default font.
QLineEdit* namedField(QAnyStringView name, QAnyStringView text, QWidget* parent, int maximumWidth) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name.toString());
    edit->setText(text.toString());
    if (maximumWidth > 0) edit->setMaximumWidth(maximumWidth);
    return edit;
}

QComboBox* namedList(QAnyStringView name, const QStringList& items, int current, QWidget* parent, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name.toString());
    combo->setEditable(editable);
    // A typed value is the field's value, not a new item: Enter, which runs
    // the window's command, leaves the list as it is.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(current);
    return combo;
}

QStringList utf8Items(std::span<const char* const> items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const char* item : items) texts << QString::fromUtf8(item);
    return texts;
}

namespace {

std::optional<qsizetype> mnemonicPlace(const QString& caption, QChar letter) {
    std::optional<qsizetype> inWord;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i].toLower() != letter.toLower()) continue;
        if (i == 0 || !caption[i - 1].isLetterOrNumber()) return i;
        if (!inWord) inWord = i;
    }
    return inWord;
}

}  // namespace

void markMnemonics(std::initializer_list<QAbstractButton*> buttons, QStringView letters) {
    if (std::ssize(buttons) != letters.size()) throw std::logic_error("a mnemonic letter for each button");
    qsizetype i = 0;
    for (QAbstractButton* button : buttons) {
        QString caption = button->text();
        const std::optional<qsizetype> at = mnemonicPlace(caption, letters[i++]);
        if (!at) throw std::logic_error("no mnemonic letter in the caption of " + button->objectName().toStdString());
        caption.insert(*at, QLatin1Char('&'));
        button->setText(caption);
    }
}

void setTabChain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QString withoutMnemonic(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        shown.append(caption[i]);
    }
    return shown;
}

void setTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

QString pointToCommaInField(QLineEdit* edit) {
    const QString text = firstPointToComma(edit->text());
    setTextIfChanged(edit, text);
    return text;
}

void onUserChoice(QComboBox* combo, const std::function<void()>& handler) {
    QObject::connect(combo, &QComboBox::activated, combo, [handler](int) { handler(); });
    if (combo->isEditable()) {
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [handler](const QString&) { handler(); });
    }
}

void selectSilently(QComboBox* combo, int index) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QStringList memoLines(const QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    if (text.isEmpty()) return {};
    return text.split(QLatin1Char('\n'));
}

QPlainTextEdit* readOnlyMemo(const QString& objectName, int pixelSize, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(objectName);
    memo->setReadOnly(true);
    // Every press rewrites or extends the report; keeping each version for
    // an undo nobody can reach would only grow with the session.
    memo->setUndoRedoEnabled(false);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    memo->setFont(font);
    return memo;
}

void keepLinesVisible(QPlainTextEdit* memo, int lines) {
    const QFontMetrics metrics(memo->font());
    const int margins = 2 * (memo->frameWidth() + static_cast<int>(memo->document()->documentMargin()));
    memo->setMinimumHeight(lines * metrics.lineSpacing() + margins);
}

namespace {

// Asks for the room its content needs, so that a window opens with the form
// whole where the screen allows (a plain scroll area asks for less).
class FormPane : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
    }
};

}  // namespace

QScrollArea* scrollingPane(const QString& objectName, QWidget* content, QWidget* parent) {
    auto* pane = new FormPane(parent);
    pane->setObjectName(objectName);
    pane->setFrameShape(QFrame::NoFrame);
    pane->setWidgetResizable(true);
    pane->setWidget(content);
    return pane;
}

QSplitter* namedSplitter(const QString& objectName, Qt::Orientation orientation, std::span<QWidget* const> panes,
                         std::span<const int> stretches, QWidget* parent) {
    auto* splitter = new QSplitter(orientation, parent);
    splitter->setObjectName(objectName);
    splitter->setChildrenCollapsible(false);
    for (QWidget* pane : panes) splitter->addWidget(pane);
    for (size_t i = 0; i < stretches.size(); ++i) splitter->setStretchFactor(static_cast<int>(i), stretches[i]);
    return splitter;
}

void showReport(QPlainTextEdit* memo, const Report& report) {
    // A long report grows by a few dozen lines a press: lay out only those.
    const qsizetype shown = memo->document()->isEmpty() ? 0 : memo->document()->blockCount();
    if (report.untouchedLines() == shown) {
        const QStringList added = report.lines().mid(shown);
        if (!added.isEmpty()) memo->appendPlainText(added.join(QLatin1Char('\n')));
    } else {
        memo->setPlainText(report.text());
    }
    memo->moveCursor(QTextCursor::End);
}

bool enteredByUser(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    default:
        return false;
    }
}

bool runCommand(MessageSink& messages, const std::function<void()>& command, const std::function<void()>& show,
                FieldWindows fieldWindows) {
    clearFieldMarks(fieldWindows);
    std::optional<CommandError> failure;
    try {
        command();
    } catch (const CommandError& error) {
        failure = error;
    }
    if (show) show();
    if (!failure) return true;
    messages.error(failure->text());
    markField(findField(fieldWindows, failure->field()));
    return false;
}

}  // namespace dravik
