#include "gui/script_session.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace dravik::test {
namespace {

// What a designer sees when the program starts: every default of Stage I.
TEST(StartUp, StageOneShowsItsDefaults) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral(
        "print EtapI\n"
        "print Ed_C\nprint Ed_Lc\nprint Ed_Cok\nprint Ed_A1\nprint Ed_a_8\nprint EtapI.Ed_dz\n"
        "print CB_M_st\nprint CB_Iz_st\nprint Ed_h_B\nprint Ed_num_h_U\nprint Ed_h_U\n"
        "print CB_Un\nprint CB_Uvn\nprint CB_Snom\nprint CB_Shem\nprint CB_Dnom\nprint SE_stup\n"
        "state But_EtapII\nstate CB_Press\nstate CB_M_st\nstate CB_Dnom\nstate SE_stup\n"));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines),
              "The calculation of the three-phase power transformer 25 - 630 kVA 10(6)/0,4 kV Phase I - Selection of "
              "parameters of the magnetic circuit\n"
              "0\n0\n0\n0\n0\n0,35\n"
              "3404 GOST USSR 21427\nDouble nail\n0,05\n2\n2,5\n"
              "0,38\n10\n100\nY/Zn-11\n0,13\n5\n"
              "But_EtapII enabled=0 visible=1\n"
              "CB_Press enabled=1 visible=1 checked=0\n"
              "CB_M_st enabled=1 visible=1 items=4\n"
              "CB_Dnom enabled=1 visible=1 items=22\n"
              "SE_stup enabled=1 visible=0");
}

TEST(StartUp, WindowsAreCreatedWithTheirCaptions) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral(
        "print EtapII\nprint Provod_dobavitj\nprint Iarmo_razmery\nprint Stalj_dobavitj_redaktirovatj\n"
        "print Raschet_obmotok_KU\nprint O_programme\nprint Zigzag_parametry\nstate EtapII\n"));
    EXPECT_EQ(joined(output.lines),
              "Phase II - Calculation of the winding\nAdd wire\nPacket sizes were yoke\nAdd / edit steel\n"
              "Расчет обмотки компенсационного устройства (КУ)\nО программе DRAVIK 1.1\nParameters Z\n"
              "EtapII enabled=1 visible=0");
}

// An interrupted save leaves its temporary file beside the catalogue; the
// next start removes it, and nothing else.
TEST(StartUp, LeftoverTemporariesOfInterruptedSavesAreRemoved) {
    ScriptSession session;
    for (const char* name : {"Stal.dat.Ab12Cd", "Provod.dat.x9Y8z7", "Stal.dat.bad"}) {
        QFile file(QDir(session.dataDir()).filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-60), QFileDevice::FileModificationTime));
    }
    session.run(QStringLiteral("state EtapI\n"));
    EXPECT_FALSE(QFileInfo::exists(QDir(session.dataDir()).filePath("Stal.dat.Ab12Cd")));
    EXPECT_FALSE(QFileInfo::exists(QDir(session.dataDir()).filePath("Provod.dat.x9Y8z7")));
    EXPECT_TRUE(QFileInfo::exists(QDir(session.dataDir()).filePath("Stal.dat.bad")));
}

TEST(StartUp, CopyingTheEmptyReportStillConfirms) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral("click Copy_to_clipboard\nprint clipboard\n"));
    EXPECT_EQ(joined(output.lines), "message: Отчет по расчету магнитопровода скопирован в буфер обмена\n");
}

// The session's output stays on standard output; what stops the script goes
// to standard error alone.
TEST(ScriptMode, UnknownNamesAndCommandsStopWithStatusTwo) {
    ScriptSession session;
    ScriptOutput output = session.run(QStringLiteral("print Ed_C\nprint Nowhere\nprint Ed_Lc\n"));
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_EQ(joined(output.lines), "0");
    EXPECT_EQ(output.errors.toStdString(), "script error at line 2: unknown name \"Nowhere\"\n");
    output = session.run(QStringLiteral("# a comment\n\nwiggle Ed_C\n"));
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_TRUE(output.lines.isEmpty()) << joined(output.lines);
    EXPECT_EQ(output.errors.toStdString(), "script error at line 3: unknown command \"wiggle\"\n");
}

TEST(ScriptMode, AmbiguousNamesListTheCandidates) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral("click Button1\n"));
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_TRUE(output.lines.isEmpty()) << joined(output.lines);
    EXPECT_TRUE(output.errors.startsWith(QStringLiteral("script error at line 1: the name \"Button1\" is not unique: ")))
        << output.errors.toStdString();
    EXPECT_TRUE(output.errors.contains(QStringLiteral("Iarmo_razmery.Button1")));
}

TEST(ScriptMode, DisabledButtonsAreNotPressed) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral("click But_EtapII\nstate EtapII\n"));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines), "error: But_EtapII is disabled\nEtapII enabled=1 visible=0");
}

// A cell no user could type into is refused and keeps its text: the heading
// row of a steel grid, every cell of the wire grid.
TEST(ScriptMode, CellsThatCannotBeEditedAreRefused) {
    ScriptSession session;
    session.writeFile(QStringLiteral("Provod.dat"), QByteArray());  // an empty wire catalogue
    const ScriptOutput output = session.run(QStringLiteral(
        "set SE_num_q_c 1\ncell Stalj_dobavitj_redaktirovatj.SG_q_c 0 1 x\ncell SG_Sech 0 3 2,5\n"
        "print SG_q_c\nprint SG_Sech\n"));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines),
              "error: Stalj_dobavitj_redaktirovatj.SG_q_c row 0 column 1 cannot be edited\n"
              "error: SG_Sech row 0 column 3 cannot be edited\n"
              "Bc, T\tp\u0441, W/kg\n \t \n\t\t\t\t\t\t\t");
}

TEST(ScriptMode, TheYokeWindowOpensAndHides) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral(
        "click Button11\nstate Iarmo_razmery\nset Ed_B1 120.5\nclick Iarmo_razmery.Button1\nstate Iarmo_razmery\n"
        "print Ed_B1\nprint Iarmo_razmery.Ed_b_8\n"));
    EXPECT_EQ(joined(output.lines),
              "Iarmo_razmery enabled=1 visible=1\nIarmo_razmery enabled=1 visible=0\n120.5\n0");
}

}  // namespace
}  // namespace dravik::test
