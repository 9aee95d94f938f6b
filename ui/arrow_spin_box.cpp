#include "arrow_spin_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace dravik {

ArrowSpinBox::ArrowSpinBox(QWidget* parent) : QSpinBox(parent) {
    // The spin box's own read-only property would also stop the arrows;
    // only the text field is closed.
    lineEdit()->setReadOnly(true);
}

void ArrowSpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->ignore();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void ArrowSpinBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

}  // namespace dravik
