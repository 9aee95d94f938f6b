#pragma once

#include <QString>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace dravik {

class MessageSink;

// The picture button beside a report that copies it to the clipboard: no
// caption, a clipboard glyph drawn by the program.
QPushButton* clipboardButton(const QString& objectName, QWidget* parent);

// What the button does: the whole report onto the clipboard as plain text,
// then the window's confirmation.
void copyReport(const QPlainTextEdit* memo, MessageSink& messages, const QString& confirmation);

}  // namespace dravik
