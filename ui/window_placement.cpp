#include "window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace dravik {

void setFormFont(QWidget* window, int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    window->setFont(font);
}

void centre(QWidget* window, QSize size) {
    window->resize(size.expandedTo(window->sizeHint()));
    if (const QScreen* screen = QApplication::primaryScreen()) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
}

void fixAndCentre(QWidget* window, QSize size) {
    centre(window, size);
    window->setFixedSize(window->size());
}

}  // namespace dravik
