// Dravik: electromagnetic design of three-phase distribution transformers.

#include "app_context.h"
#include "catalogue_folder.h"
#include "command_line.h"
#include "messages.h"
#include "platform_noise.h"
#include "script_runner.h"
#include "window_set.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSettings>
#include <QTextStream>
#include <cstdio>

namespace {

// The desktop entry, the icon and the package all carry this name.
const QString kApplicationId = QStringLiteral("org.dravik.Dravik");

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Help, the version and usage errors, written before any QApplication
// exists: that one would look for a display. A console application only
// names the program in the usage line as it was called.
int answerWithoutWindows(int& argc, char** argv, const dravik::CommandLine& commandLine) {
    const QCoreApplication console(argc, argv);
    QTextStream out(stdout);
    if (commandLine.request == dravik::CommandLine::Request::Help) {
        out << dravik::commandLineHelp();
        return 0;
    }
    if (commandLine.request == dravik::CommandLine::Request::Version) {
        out << "Dravik " DRAVIK_VERSION "\n";
        return 0;
    }
    QTextStream err(stderr);
    err << commandLine.problem << '\n' << dravik::commandLineUsage();
    return 2;
}

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Dravik"));
    QApplication::setApplicationVersion(QStringLiteral(DRAVIK_VERSION));
}

void fillContext(dravik::AppContext& context, const dravik::CommandLine& commandLine) {
    context.catalogueFolder = dravik::catalogueFolder(commandLine.dataDir);
    context.shippedWireCatalogue = dravik::shippedWireCatalogue();
    context.scriptMode = commandLine.scriptFile.has_value();
    context.scriptWorkbook = commandLine.workbook;
}

int runWindows(int& argc, char** argv, const dravik::CommandLine& commandLine) {
    QApplication application(argc, argv);
    setUpApplication();
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(kApplicationId);
    QApplication::setWindowIcon(QIcon::fromTheme(kApplicationId));

    dravik::AppContext context;
    fillContext(context, commandLine);
    dravik::DialogMessages dialogs;
    context.messages = &dialogs;
    // ~/.config/Dravik/Dravik.conf: where the windows were and how large.
    QSettings windowSettings(QStringLiteral("Dravik"), QStringLiteral("Dravik"));
    context.windowSettings = &windowSettings;
    context.quit = [&context] {
        context.programEnding = true;
        QApplication::quit();
    };
    dravik::WindowSet windows(context);
    windows.mainWindow()->show();
    return QApplication::exec();
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

// Standard output carries what the session prints and nothing else; what
// stops the script itself goes to standard error.
int runScript(int& argc, char** argv, const dravik::CommandLine& commandLine) {
    // A script runs the real windows without showing them, also where no
    // display exists.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    dravik::dropOffscreenPlatformNoise();
    QApplication application(argc, argv);
    setUpApplication();

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    QTextStream problems(stderr);
    problems.setEncoding(QStringConverter::Utf8);

    QString problem;
    const QStringList lines = readScript(*commandLine.scriptFile, problem);
    if (!problem.isEmpty()) {
        problems << problem << '\n';
        return 2;
    }

    dravik::AppContext context;
    fillContext(context, commandLine);
    dravik::ScriptMessages messages(out);
    context.messages = &messages;
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
    dravik::ScriptRunner scriptRunner(windows.windows(), out, problems, messages);
    runner = &scriptRunner;
    const int status = scriptRunner.run(lines);
    // A batch job tells a refused calculation from a clean run.
    if (status == 0 && commandLine.strict && messages.wroteError()) return 1;
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const dravik::CommandLine commandLine = dravik::parseCommandLine(argumentList(argc, argv));
    if (commandLine.request != dravik::CommandLine::Request::Run) return answerWithoutWindows(argc, argv, commandLine);
    if (commandLine.scriptFile) return runScript(argc, argv, commandLine);
    return runWindows(argc, argv, commandLine);
}
