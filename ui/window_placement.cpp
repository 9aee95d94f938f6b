#include "window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

namespace dravik {
namespace {

// The name under which a window holds its placement (the classes here carry
// no meta-object of their own, so the name is how it is found again).
const QString kPlacementName = QStringLiteral("WindowPlacement");

// The part of the window's screen that panels and docks leave free.
QRect freeScreenPart(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The title bar and borders round the window: the real ones once the window
// manager has framed it, the usual ones before.
QMargins frameMargins(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (outer == inner) return kUsualFrame;
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// Sizes and places a window when it is first shown, and keeps its place
// for the next run once it is given settings. Measuring a window's layout
// loads its fonts; windows that are never opened in a run cost nothing at
// start-up this way.
class WindowPlacement : public QObject {
public:
    WindowPlacement(QWidget* window, QSize size, bool fixed)
        : QObject(window), window_(window), size_(size), fixed_(fixed) {
        setObjectName(kPlacementName);
        window->installEventFilter(this);
    }

    void remember(QSettings& settings) {
        settings_ = &settings;
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            if (window_->isVisible()) save();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !placed_) {
            placed_ = true;
            place();
        } else if (event->type() == QEvent::Hide && placed_) {
            save();
        }
        return false;
    }

private:
    QString group() const { return QStringLiteral("windows/") + window_->objectName(); }

    void place() {
        const QSize wanted = size_.expandedTo(window_->sizeHint());
        window_->resize(wanted);
        const bool restored = restore();
        if (fixed_) window_->resize(wanted);
        if (!window_->isMaximized() && !window_->isFullScreen()) {
            const QMargins frame = frameMargins(window_);
            QRect outer(window_->pos(), window_->size().grownBy(frame));
            if (!restored) outer.moveCenter(freeScreenPart(window_).center());
            const QRect fitted = fitInside(outer, freeScreenPart(window_));
            window_->resize(fitted.size().shrunkBy(frame));
            window_->move(fitted.topLeft());
        }
        if (fixed_) window_->setFixedSize(window_->size());
    }

    // The place and splitters of the last run; false when there are none.
    bool restore() {
        if (!settings_) return false;
        settings_->beginGroup(group());
        const QByteArray geometry = settings_->value(QStringLiteral("geometry")).toByteArray();
        const bool restored = !geometry.isEmpty() && window_->restoreGeometry(geometry);
        for (QSplitter* splitter : namedSplitters()) {
            const QByteArray state = settings_->value(splitterKey(splitter)).toByteArray();
            if (!state.isEmpty()) splitter->restoreState(state);
        }
        settings_->endGroup();
        return restored;
    }

    void save() {
        if (!settings_) return;
        settings_->beginGroup(group());
        settings_->setValue(QStringLiteral("geometry"), window_->saveGeometry());
        for (QSplitter* splitter : namedSplitters()) settings_->setValue(splitterKey(splitter), splitter->saveState());
        settings_->endGroup();
    }

    QList<QSplitter*> namedSplitters() const {
        QList<QSplitter*> splitters = window_->findChildren<QSplitter*>();
        splitters.removeIf([](const QSplitter* s) { return s->objectName().isEmpty(); });
        return splitters;
    }
    static QString splitterKey(const QSplitter* splitter) {
        return QStringLiteral("splitters/") + splitter->objectName();
    }

    QWidget* window_;
    QSize size_;
    bool fixed_;
    bool placed_ = false;
    QSettings* settings_ = nullptr;
};

}  // namespace

void setFormFont(QWidget* window, int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    window->setFont(font);
}

void centre(QWidget* window, QSize size) { new WindowPlacement(window, size, false); }

void fixAndCentre(QWidget* window, QSize size) { new WindowPlacement(window, size, true); }

QRect fitInside(QRect frame, const QRect& available) {
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    if (frame.right() > available.right()) frame.moveRight(available.right());
    if (frame.bottom() > available.bottom()) frame.moveBottom(available.bottom());
    if (frame.left() < available.left()) frame.moveLeft(available.left());
    if (frame.top() < available.top()) frame.moveTop(available.top());
    return frame;
}

void rememberPlacement(QWidget* window, QSettings& settings) {
    QObject* placement = window->findChild<QObject*>(kPlacementName, Qt::FindDirectChildrenOnly);
    if (!placement) throw std::logic_error("no first placement for " + window->objectName().toStdString());
    static_cast<WindowPlacement*>(placement)->remember(settings);
}

}  // namespace dravik
