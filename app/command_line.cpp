#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace dravik {
namespace {

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("Shows these options and exits."));
const QCommandLineOption kVersion({QStringLiteral("v"), QStringLiteral("version")},
                                  QStringLiteral("Shows the version and exits."));
const QCommandLineOption kScript(QStringLiteral("script"),
                                 QStringLiteral("Performs the lines of FILE (\"-\": standard input) against the "
                                                "windows without showing them, then exits."),
                                 QStringLiteral("FILE"));
const QCommandLineOption kDataDir(QStringLiteral("data-dir"),
                                  QStringLiteral("Keeps the catalogues Stal.dat and Provod.dat in DIR."),
                                  QStringLiteral("DIR"));
const QCommandLineOption kWorkbook(QStringLiteral("workbook"),
                                   QStringLiteral("The workbook that the steel editor's \"Excel\" button imports "
                                                  "in script mode."),
                                   QStringLiteral("FILE"));
const QCommandLineOption kStrict(QStringLiteral("strict"),
                                 QStringLiteral("In script mode, exits with status 1 when the run wrote an "
                                                "error line."));

const QCommandLineOption kAllowCatalogueChanges(QStringLiteral("allow-catalogue-changes"),
                                                 QStringLiteral("In script mode, lets a design that is opened add, change "
                                                                "or remove wires and steels in the catalogues."));

const QString kDesignFile = QStringLiteral("design-file");

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Electromagnetic design of three-phase distribution transformers of 25 to 630 kVA."));
    parser.addOptions({kHelp, kVersion, kScript, kDataDir, kWorkbook, kStrict, kAllowCatalogueChanges});
    parser.addPositionalArgument(kDesignFile, QStringLiteral("The design (.dravik) to open."),
                                 QStringLiteral("[%1]").arg(kDesignFile));
}

std::optional<QString> valueOf(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option)) return std::nullopt;
    return parser.value(option);
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.request = CommandLine::Request::UsageError;
        result.problem = parser.errorText();
        return result;
    }
    if (parser.isSet(kHelp)) {
        result.request = CommandLine::Request::Help;
        return result;
    }
    if (parser.isSet(kVersion)) {
        result.request = CommandLine::Request::Version;
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        result.request = CommandLine::Request::UsageError;
        result.problem = QStringLiteral("Only one design file can be opened, not %1.").arg(positional.size());
        return result;
    }
    if (!positional.isEmpty()) result.designFile = positional.front();
    result.scriptFile = valueOf(parser, kScript);
    result.dataDir = valueOf(parser, kDataDir);
    result.workbook = parser.value(kWorkbook);
    result.strict = parser.isSet(kStrict);
    result.allowCatalogueChanges = parser.isSet(kAllowCatalogueChanges);
    return result;
}

QString commandLineHelp() {
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText();
}

QString commandLineUsage() {
    const QString usageLine = commandLineHelp().section(QLatin1Char('\n'), 0, 0);
    const QString program = QCoreApplication::arguments().value(0, QStringLiteral("dravik"));
    return QStringLiteral("%1\nRun '%2 --help' to see every option.\n").arg(usageLine, program);
}

}  // namespace dravik
