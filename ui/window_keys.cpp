#include "window_keys.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace dravik {
namespace {

const QString kKeysName = QStringLiteral("WindowKeys");

// Sees the keys that reach the window itself: those its controls left alone.
class WindowKeys : public QObject {
public:
    explicit WindowKeys(QWidget* window) : QObject(window), window_(window) {
        setObjectName(kKeysName);
        window->installEventFilter(this);
    }

    static WindowKeys& of(QWidget* window) {
        if (QObject* keys = window->findChild<QObject*>(kKeysName, Qt::FindDirectChildrenOnly)) {
            return *static_cast<WindowKeys*>(keys);
        }
        return *new WindowKeys(window);
    }

    bool closes = false;
    // While a close the user asked for (Escape, a script's click on the
    // window) is on its way to the window.
    bool closingByUser = false;
    QPointer<QAbstractButton> defaultButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        if (key->key() == Qt::Key_Escape && closes) {
            closeAsUser(window_);
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && defaultButton) {
            pressForEnter();
            return true;
        }
        return false;
    }

private:
    // A focused push button is what Enter means; on a field, a check box or
    // a list it means the window's main command.
    void pressForEnter() {
        auto* focused = qobject_cast<QPushButton*>(window_->focusWidget());
        QAbstractButton* button = focused ? focused : defaultButton.data();
        if (button->isEnabled() && button->isVisible()) button->click();
    }

    QWidget* window_;
};

}  // namespace

void closeOnEscape(QWidget* window) { WindowKeys::of(window).closes = true; }

// The close box and this both send the window its close event; the window
// may ask closedByUser() which of them, or the program, sent it.
void closeAsUser(QWidget* window) {
    WindowKeys& keys = WindowKeys::of(window);
    keys.closingByUser = true;
    window->close();
    keys.closingByUser = false;
}

bool closedByUser(const QWidget* window, const QCloseEvent* event) {
    if (event->spontaneous()) return true;  // the desktop's close box
    const QObject* keys = window->findChild<QObject*>(kKeysName, Qt::FindDirectChildrenOnly);
    return keys && static_cast<const WindowKeys*>(keys)->closingByUser;
}

void pressOnEnter(QWidget* window, QAbstractButton* button) { WindowKeys::of(window).defaultButton = button; }

}  // namespace dravik
