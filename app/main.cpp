// Dravik: electromagnetic design of three-phase distribution transformers.

#include "app_context.h"
#include "catalogue_folder.h"
#include "command_line.h"
#include "messages.h"
#include "script_runner.h"
#include "window_set.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

bool hasArgument(int argc, char** argv, const char* wanted) {
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], wanted) == 0) return true;
    }
    return false;
}

QStringList readScript(const QString& file, QString& problem) {
    QFile script(file);
    const bool opened = file == QLatin1String("-") ? script.open(stdin, QIODevice::ReadOnly)
                                                   : script.open(QIODevice::ReadOnly);
    if (!opened) {
        problem = QStringLiteral("Cannot read the script %1: %2").arg(file, script.errorString());
        return {};
    }
    return QString::fromUtf8(script.readAll()).split(QLatin1Char('\n'));
}

}  // namespace

int main(int argc, char** argv) {
    // A script runs the real windows without showing them, also where no
    // display exists.
    if (hasArgument(argc, argv, "--script") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravik"));
    QApplication::setApplicationVersion(QStringLiteral(DRAVIK_VERSION));

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);

    const dravik::CommandLine commandLine = dravik::parseCommandLine(QApplication::arguments());
    if (!commandLine.problem.isEmpty()) {
        out << commandLine.problem << '\n';
        return 2;
    }

    dravik::AppContext context;
    context.catalogueFolder = dravik::catalogueFolder(commandLine.dataDir);
    context.shippedWireCatalogue = dravik::shippedWireCatalogue();
    context.scriptMode = commandLine.scriptFile.has_value();
    context.scriptWorkbook = commandLine.workbook;

    dravik::DialogMessages dialogs;
    dravik::ScriptMessages scriptMessages(out);
    context.messages = context.scriptMode ? static_cast<dravik::MessageSink*>(&scriptMessages)
                                          : static_cast<dravik::MessageSink*>(&dialogs);

    if (!context.scriptMode) {
        context.quit = [] { QApplication::quit(); };
        dravik::WindowSet windows(context);
        windows.mainWindow()->show();
        return QApplication::exec();
    }

    QString problem;
    const QStringList lines = readScript(*commandLine.scriptFile, problem);
    if (!problem.isEmpty()) {
        out << problem << '\n';
        return 2;
    }
    dravik::ScriptRunner* runner = nullptr;
    context.quit = [&runner] {
        if (runner) runner->requestQuit();
    };
    dravik::WindowSet windows(context);
    // The windows are shown and hidden as usual, so that what a user could
    // reach stays the same, but nothing is drawn: painting a window nobody
    // sees would cost more than the whole design.
    for (QWidget* window : windows.windows()) {
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->setUpdatesEnabled(false);
    }
    windows.mainWindow()->show();
    dravik::ScriptRunner scriptRunner(windows.windows(), out);
    runner = &scriptRunner;
    return scriptRunner.run(lines);
}
