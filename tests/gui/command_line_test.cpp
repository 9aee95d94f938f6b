#include "gui/script_session.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program run as a batch job or from a terminal would run it: what goes
// to which stream, and the exit status a caller can act on.
namespace dravik::test {
namespace {

// A terminal session on a machine without a display, as over ssh.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(QLatin1String(name));
    return environment;
}

ScriptOutput runWithoutDisplay(const QStringList& arguments, const QByteArray& input = {}) {
    return runProgram(arguments, input, withoutDisplay());
}

TEST(CommandLine, HelpListsEveryOptionWithoutADisplay) {
    for (const char* request : {"--help", "-h"}) {
        SCOPED_TRACE(request);
        const ScriptOutput output = runWithoutDisplay({QLatin1String(request)});
        EXPECT_EQ(output.exitCode, 0);
        EXPECT_TRUE(output.errors.isEmpty()) << output.errors.toStdString();
        const QString help = output.lines.join(QLatin1Char('\n'));
        EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: "))) << joined(output.lines);
        for (const char* option : {"-h, --help", "-v, --version", "--script <FILE>", "--data-dir <DIR>",
                                   "--workbook <FILE>", "--strict", "--allow-catalogue-changes", "[design-file]"}) {
            EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
        }
    }
}

TEST(CommandLine, VersionIsOneLineWithoutADisplay) {
    for (const char* request : {"--version", "-v"}) {
        SCOPED_TRACE(request);
        const ScriptOutput output = runWithoutDisplay({QLatin1String(request)});
        EXPECT_EQ(output.exitCode, 0);
        EXPECT_EQ(joined(output.lines), "Dravik 1.2");
        EXPECT_TRUE(output.errors.isEmpty()) << output.errors.toStdString();
    }
}

// A mistyped command line is answered on standard error before any window
// is asked for, so a display is not needed for it either.
TEST(CommandLine, UsageErrorsGoToStandardErrorWithStatusTwo) {
    const struct {
        QStringList arguments;
        const char* problem;
    } cases[] = {
        {{QStringLiteral("--bogus")}, "Unknown option 'bogus'."},
        {{QStringLiteral("--script")}, "Missing value after '--script'."},
        {{QStringLiteral("--strict"), QStringLiteral("--data-dir")}, "Missing value after '--data-dir'."},
        {{QStringLiteral("one.dravik"), QStringLiteral("two.dravik")}, "Only one design file can be opened, not 2."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const ScriptOutput output = runWithoutDisplay(c.arguments);
        EXPECT_EQ(output.exitCode, 2);
        EXPECT_TRUE(output.lines.isEmpty()) << joined(output.lines);
        const QStringList errors = output.errors.split(QLatin1Char('\n'));
        ASSERT_GE(errors.size(), 2);
        EXPECT_EQ(errors[0].toStdString(), c.problem);
        EXPECT_TRUE(errors[1].startsWith(QStringLiteral("Usage: "))) << output.errors.toStdString();
    }
}

// Standard error stays empty however the platform is chosen: the offscreen
// platform's notices about the windows it cannot size or raise are not the
// run's business.
TEST(CommandLine, ACleanScriptRunWritesNothingToStandardError) {
    const QTemporaryDir folder;
    const QStringList arguments{QStringLiteral("--script"), QStringLiteral("-"), QStringLiteral("--data-dir"),
                                folder.path()};
    const QByteArray script = "click Button9\nclick Button_Raschet\nclick Button11\nstate But_EtapII\n";
    QProcessEnvironment offscreen = withoutDisplay();
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QProcessEnvironment& environment : {withoutDisplay(), offscreen}) {
        const ScriptOutput output = runProgram(arguments, script, environment);
        EXPECT_EQ(output.exitCode, 0);
        EXPECT_EQ(joined(output.lines), "But_EtapII enabled=1 visible=1");
        EXPECT_TRUE(output.errors.isEmpty()) << output.errors.toStdString();
    }
}

TEST(CommandLine, AnUnreadableScriptIsAProblemOnStandardError) {
    const QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing.txt"));
    const ScriptOutput output =
        runWithoutDisplay({QStringLiteral("--script"), missing, QStringLiteral("--data-dir"), folder.path()});
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_TRUE(output.lines.isEmpty()) << joined(output.lines);
    EXPECT_TRUE(output.errors.startsWith(QStringLiteral("Cannot read the script %1: ").arg(missing)))
        << output.errors.toStdString();
}

// --strict lets a batch job tell a refused calculation from a clean run; the
// run still goes to its end, and a script problem keeps its own status.
TEST(CommandLine, StrictRunsFailOnAnErrorLine) {
    const ScriptSession session;
    const QStringList strict{QStringLiteral("--strict")};
    const QString refused = QStringLiteral("set Ed_C abc\nclick Button_Raschet\nprint Ed_C\n");

    ScriptOutput output = session.run(refused, strict);
    EXPECT_EQ(output.exitCode, 1);
    EXPECT_EQ(joined(output.lines), "error: 'abc' is not a valid floating point value\nabc");
    EXPECT_TRUE(output.errors.isEmpty()) << output.errors.toStdString();

    output = session.run(QStringLiteral("click But_EtapII\n"), strict);
    EXPECT_EQ(output.exitCode, 1);
    EXPECT_EQ(joined(output.lines), "error: But_EtapII is disabled");

    EXPECT_EQ(session.run(refused).exitCode, 0);
    EXPECT_EQ(session.run(QStringLiteral("click Button9\nclick Button_Raschet\n"), strict).exitCode, 0);
    EXPECT_EQ(session.run(QStringLiteral("click But_EtapII\nwiggle\n"), strict).exitCode, 2);
}

}  // namespace
}  // namespace dravik::test
