#include "field_mark.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace dravik {
namespace {

constexpr const char* kMarked = "refusedInput";
constexpr const char* kWatched = "refusedInputWatched";
constexpr const char* kOwnStyle = "styleBeforeRefusal";

// The frame is drawn by a style sheet keyed on the property, so a field
// without the mark looks exactly as before.
const QString kMarkStyle = QStringLiteral("*[refusedInput=\"true\"] { border: 2px solid #d00000; }");

void unmark(QWidget* field) {
    if (!isFieldMarked(field)) return;
    field->setProperty(kMarked, false);
    field->setStyleSheet(field->property(kOwnStyle).toString());
}

// The user's own edit of a marked field takes its mark away.
void watchEdits(QWidget* field) {
    if (field->property(kWatched).toBool()) return;
    field->setProperty(kWatched, true);
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        edit = combo->lineEdit();
        QObject::connect(combo, &QComboBox::activated, field, [field](int) { unmark(field); });
    }
    if (edit) QObject::connect(edit, &QLineEdit::textEdited, field, [field](const QString&) { unmark(field); });
}

}  // namespace

QWidget* findField(FieldWindows windows, const QString& objectName) {
    if (objectName.isEmpty()) return nullptr;
    for (QWidget* window : windows) {
        if (window == nullptr) continue;
        if (auto* field = window->findChild<QWidget*>(objectName)) return field;
    }
    return nullptr;
}

void markField(QWidget* field) {
    if (field == nullptr) return;
    if (!isFieldMarked(field)) {
        field->setProperty(kOwnStyle, field->styleSheet());
        field->setProperty(kMarked, true);
        field->setStyleSheet(field->styleSheet() + kMarkStyle);
    }
    watchEdits(field);
    QWidget* window = field->window();
    if (!window->isVisible()) window->show();
    window->raise();
    window->activateWindow();
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

void clearFieldMarks(FieldWindows windows) {
    for (QWidget* window : windows) {
        if (window == nullptr) continue;
        for (QWidget* field : window->findChildren<QWidget*>()) unmark(field);
    }
}

bool isFieldMarked(const QWidget* field) { return field != nullptr && field->property(kMarked).toBool(); }

}  // namespace dravik
