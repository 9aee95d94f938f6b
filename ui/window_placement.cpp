#include "window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace dravik {
namespace {

// Sizes and centres a window when it is first shown. Measuring a window's
// layout loads its fonts; windows that are never opened in a run cost
// nothing at start-up this way.
class FirstShowPlacement : public QObject {
public:
    FirstShowPlacement(QWidget* window, QSize size, bool fixed) : QObject(window), size_(size), fixed_(fixed) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            window->removeEventFilter(this);
            place(window);
            deleteLater();
        }
        return false;
    }

private:
    void place(QWidget* window) const {
        window->resize(size_.expandedTo(window->sizeHint()));
        if (const QScreen* screen = QApplication::primaryScreen()) {
            window->move(screen->availableGeometry().center() - window->rect().center());
        }
        if (fixed_) window->setFixedSize(window->size());
    }

    QSize size_;
    bool fixed_;
};

}  // namespace

void setFormFont(QWidget* window, int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    window->setFont(font);
}

void centre(QWidget* window, QSize size) { new FirstShowPlacement(window, size, false); }

void fixAndCentre(QWidget* window, QSize size) { new FirstShowPlacement(window, size, true); }

}  // namespace dravik
