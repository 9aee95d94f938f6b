#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace dravik {
namespace {

void showBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void DialogMessages::message(const QString& text) { showBox(QMessageBox::Information, text); }
void DialogMessages::error(const QString& text) { showBox(QMessageBox::Critical, text); }

}  // namespace dravik
