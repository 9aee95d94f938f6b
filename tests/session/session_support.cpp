#include "session/session_support.h"

#include "messages.h"
#include "script_runner.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTextStream>

namespace dravik::test {
namespace {

QString contentOf(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(control)) return QStringLiteral("%1 of %2").arg(list->currentText()).arg(list->count());
    if (auto* box = qobject_cast<QAbstractButton*>(control)) return box->isChecked() ? QStringLiteral("checked") : QString();
    if (auto* spin = qobject_cast<QSpinBox*>(control)) return QString::number(spin->value());
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) return memo->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* grid = qobject_cast<QTableView*>(control)) {
        QStringList cells;
        const QAbstractItemModel* model = grid->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) cells.append(model->index(row, column).data().toString());
        }
        return QStringLiteral("row %1: %2").arg(grid->currentIndex().row()).arg(cells.join(QLatin1Char('|')));
    }
    return QString();
}

}  // namespace

SessionSettings SessionTest::settings() const {
    return {folder_.path(), QStringLiteral(DRAVIK_SHIPPED_WIRES), true, QString()};
}

std::unique_ptr<Session> SessionTest::newSession() const {
    auto session = std::make_unique<Session>(settings(), quietMessages(), [] {});
    session->showOffScreen();
    return session;
}

QStringList SessionTest::run(Session& session, const QString& script) {
    QString printed;
    QTextStream out(&printed);
    ScriptMessages messages(out);
    session.setMessages(messages);
    ScriptRunner runner(session.windows(), out, out, messages);
    EXPECT_EQ(runner.run(script.split(QLatin1Char('\n'))), 0) << printed.toStdString();
    session.setMessages(quietMessages());
    out.flush();
    return printed.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void SessionTest::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList sessionState(Session& session) {
    QStringList state;
    for (QWidget* window : session.windows()) {
        state.append(QStringLiteral("%1 shown=%2").arg(window->objectName()).arg(window->isVisible()));
        for (QWidget* control : window->findChildren<QWidget*>()) {
            QString name = control->objectName();
            if (auto* radio = qobject_cast<QRadioButton*>(control)) name = radio->text();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
            state.append(QStringLiteral("  %1 enabled=%2 shown=%3 %4")
                             .arg(name)
                             .arg(control->isEnabled())
                             .arg(control->isVisibleTo(window))
                             .arg(contentOf(control)));
        }
    }
    return state;
}

QStringList actionLines(const QString& script) {
    QStringList lines;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#'))) lines.append(line);
    }
    return lines;
}

}  // namespace dravik::test
