// Dravik: electromagnetic design of three-phase distribution transformers.

#include "catalogue_folder.h"
#include "command_line.h"
#include "document_menus.h"
#include "documents.h"
#include "messages.h"
#include "platform_noise.h"
#include "script_runner.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSettings>
#include <QTextStream>
#include <QWidget>
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

// Why the design named with a script could not be opened: that stops the
// script, so it goes where script problems go.
class StartingProblem final : public dravik::MessageSink {
public:
    explicit StartingProblem(QTextStream& problems) : problems_(problems) {}
    void message(const QString&) override {}
    void error(const QString& text) override { problems_ << text << '\n'; }

private:
    QTextStream& problems_;
};

dravik::SessionSettings sessionSettings(const dravik::CommandLine& commandLine) {
    dravik::SessionSettings settings;
    settings.catalogueFolder = dravik::catalogueFolder(commandLine.dataDir);
    settings.shippedWireCatalogue = dravik::shippedWireCatalogue();
    settings.scriptMode = commandLine.scriptFile.has_value();
    settings.scriptWorkbook = commandLine.workbook;
    return settings;
}

int runWindows(int& argc, char** argv, const dravik::CommandLine& commandLine) {
    QApplication application(argc, argv);
    setUpApplication();
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(kApplicationId);
    QApplication::setWindowIcon(QIcon::fromTheme(kApplicationId));

    dravik::DialogMessages dialogs;
    // ~/.config/Dravik/Dravik.conf: where the windows were and how large.
    QSettings windowSettings(QStringLiteral("Dravik"), QStringLiteral("Dravik"));
    dravik::SessionSettings settings = sessionSettings(commandLine);
    settings.windowSettings = &windowSettings;
    dravik::Documents documents(settings, dialogs);
    dravik::DocumentMenus menus(documents);
    menus.start(commandLine.designFile.value_or(QString()));
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

    dravik::ScriptMessages messages(out);
    dravik::Documents documents(sessionSettings(commandLine), messages);
    // The windows are shown and hidden as usual, so that what a user could
    // reach stays the same, but nothing is drawn: painting a window nobody
    // sees would cost more than the whole design.
    documents.session().showOffScreen();
    dravik::ScriptRunner runner(documents.session().windows(), out, problems, messages);
    runner.setDocuments(&documents);
    runner.setWaitForBackgroundWork(true);
    documents.quit = [&runner] { runner.requestQuit(); };
    documents.sessionReplaced = [&runner, &documents] { runner.setWindows(documents.session().windows()); };
    // A design is never opened into changed catalogues unasked.
    documents.askAboutCatalogueChanges = [&commandLine](const std::vector<dravik::CatalogueLine>&) {
        return commandLine.allowCatalogueChanges ? dravik::CatalogueChoice::Replay : dravik::CatalogueChoice::Refuse;
    };
    if (commandLine.designFile) {
        // The script works on the design named with it, or not at all.
        StartingProblem opening(problems);
        if (!documents.open(*commandLine.designFile, opening)) return 2;
    }
    const int status = runner.run(lines);
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
