#pragma once

#include <QString>

class QGroupBox;
class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace dravik {

class MessageSink;

// The picture button beside a report that copies it to the clipboard: no
// caption, a clipboard glyph drawn by the program.
QPushButton* clipboardButton(const QString& objectName, QWidget* parent);

// A titled group with a results box (`memoName`) and, to its right, the
// copy button (`buttonName`); `layout` takes whatever else sits beside them.
struct ReportGroup {
    QGroupBox* group = nullptr;
    QPlainTextEdit* memo = nullptr;
    QPushButton* copyButton = nullptr;
    QHBoxLayout* layout = nullptr;
};
ReportGroup reportGroup(const QString& title, const QString& groupName, const QString& memoName,
                        const QString& buttonName, QWidget* parent);

// What the button does: the whole report onto the clipboard as plain text,
// then the window's confirmation beside the button, which does not stop
// the work.
void copyReport(const QPlainTextEdit* memo, QPushButton* button, MessageSink& messages, const QString& confirmation);

}  // namespace dravik
