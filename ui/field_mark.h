#pragma once

#include <QString>
#include <initializer_list>

class QWidget;

// Takes the user to the input field a refused command names: the field gets
// the focus and a red frame, which stays until the user edits the field or
// the next command of its window runs.
namespace dravik {

// The windows whose input fields a command reads, searched in this order
// for the field a refusal names.
using FieldWindows = std::initializer_list<QWidget*>;

// The control named `objectName` in the first of `windows` that has one;
// nullptr when none has (or the name is empty).
QWidget* findField(FieldWindows windows, const QString& objectName);

// Frames `field` in red and gives it the focus, showing its window first
// when it is hidden. Does nothing for nullptr.
void markField(QWidget* field);

// Takes every mark in `windows` away.
void clearFieldMarks(FieldWindows windows);

// Whether `field` carries the mark (the dynamic property "refusedInput").
bool isFieldMarked(const QWidget* field);

}  // namespace dravik
