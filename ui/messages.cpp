#include "messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QToolTip>
#include <QWidget>

namespace dravik {
namespace {

void showBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void DialogMessages::message(const QString& text) { showBox(QMessageBox::Information, text); }
// Just below the control, where the eye already is; it goes by itself.
void DialogMessages::notice(const QString& text, QWidget* near) {
    constexpr int kShownMs = 3000;
    const QPoint below = near->mapToGlobal(QPoint(0, near->height()));
    QToolTip::showText(below, text, near, QRect(), kShownMs);
}

void DialogMessages::error(const QString& text) { showBox(QMessageBox::Critical, text); }

}  // namespace dravik
