#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace dravik {

// The picture button beside a report that copies it to the clipboard: no
// caption, a clipboard glyph drawn by the program.
QPushButton* clipboardButton(const QString& objectName, QWidget* parent);

}  // namespace dravik
