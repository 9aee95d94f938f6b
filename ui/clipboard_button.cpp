#include "clipboard_button.h"

#include "controls.h"
#include "messages.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace dravik {
namespace {

// A report box shows at least this many lines however small its window.
constexpr int kReportLinesShown = 10;

// A clipboard on a 32-unit square: the board, the sheet with its lines of
// text, the clip at the top. Drawn rather than read from an image, which
// would have Qt load every image-format plug-in at start-up.
void drawClipboard(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x5a, 0x3a, 0x1c), 1.2));
    painter.setBrush(QColor(0xa0, 0x6a, 0x35));
    painter.drawRoundedRect(QRectF(4.5, 4.5, 23, 26), 2.5, 2.5);

    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7.5, 8.5, 17, 19));
    painter.setPen(QPen(QColor(0x40, 0x60, 0x90), 1.4));
    for (const double y : {13.0, 16.5, 20.0, 23.5}) painter.drawLine(QPointF(10, y), QPointF(y < 23 ? 22 : 18, y));

    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.setBrush(QColor(0xb8, 0xb8, 0xb8));
    painter.drawRoundedRect(QRectF(11.5, 1.5, 9, 6), 1.5, 1.5);
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.drawEllipse(QPointF(16, 3.5), 1.2, 1.2);
}

QPixmap clipboardPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(side / 32.0, side / 32.0);
    drawClipboard(painter);
    return pixmap;
}

}  // namespace

QPushButton* clipboardButton(const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    QIcon glyph;
    for (const int side : {16, 24, 32}) glyph.addPixmap(clipboardPixmap(side));
    button->setIcon(glyph);
    button->setIconSize(QSize(24, 24));
    button->setToolTip(QStringLiteral("Copy the report to the clipboard"));
    return button;
}

ReportGroup reportGroup(const QString& title, const QString& groupName, const QString& memoName,
                        const QString& buttonName, QWidget* parent) {
    ReportGroup box;
    box.group = new QGroupBox(title, parent);
    box.group->setObjectName(groupName);
    box.memo = readOnlyMemo(memoName, 13, box.group);
    keepLinesVisible(box.memo, kReportLinesShown);
    box.copyButton = clipboardButton(buttonName, box.group);
    box.layout = new QHBoxLayout(box.group);
    box.layout->addWidget(box.memo, 1);
    box.layout->addWidget(box.copyButton, 0, Qt::AlignTop);
    return box;
}

void copyReport(const QPlainTextEdit* memo, QPushButton* button, MessageSink& messages, const QString& confirmation) {
    QGuiApplication::clipboard()->setText(memo->toPlainText());
    messages.notice(confirmation, button);
}

}  // namespace dravik
