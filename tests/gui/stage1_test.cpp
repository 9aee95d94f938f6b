#include "gui/script_session.h"
#include "magnetic/typical_design_report.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

constexpr const char* kPickAndCalculate = "click Button9\nclick Button_Raschet\n";

// The typical design through the real windows: the standard core for
// 100 kVA, then the calculation, whose whole report was worked out apart
// from the program.
TEST(StageOneWindow, TheTypicalDesignReachesStageTwo) {
    ScriptSession session;
    const ScriptOutput output =
        session.run(QString::fromUtf8(kPickAndCalculate) + QStringLiteral("print Memo_Result\nstate But_EtapII\n"));
    ASSERT_EQ(output.exitCode, 0);
    QStringList expected = kTypicalReport;
    expected.append(QStringLiteral("But_EtapII enabled=1 visible=1"));
    EXPECT_EQ(joined(output.lines), joined(expected));
}

TEST(StageOneWindow, PickSheetsFillsBothWindowsAndTheHiddenStepCount) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral(
        "click Button9\nprint Ed_Lc\nprint Ed_Cok\nprint Ed_C\nprint SE_stup\nprint CB_Dnom\n"
        "print Ed_A1\nprint Ed_A6\nprint Ed_A7\nprint Ed_a_1\nprint Ed_a_5\n"
        "print Iarmo_razmery.Ed_B1\nprint Iarmo_razmery.Ed_b_6\nprint Iarmo_razmery.Ed_B7\nprint Memo_Result\n"));
    EXPECT_EQ(joined(output.lines), "400\n150\n270\n6\n0,13\n124\n39\n0\n20\n7\n124\n5\n0\n");
}

TEST(StageOneWindow, APowerClampedToItsDiameterSelectsTheStandardItem) {
    ScriptSession session;
    const ScriptOutput output =
        session.run(QStringLiteral("choose CB_Snom 25\nclick Button9\nprint CB_Dnom\nprint SE_stup\nprint Ed_A1\n"));
    EXPECT_EQ(joined(output.lines), "0,09\n5\n86");  // 0.95 x 90 mm = 85.5 mm rounds up
}

TEST(StageOneWindow, APointTypedInALengthBecomesACommaBeforeItIsRead) {
    ScriptSession session;
    const ScriptOutput output = session.run(QString::fromUtf8(kPickAndCalculate) + QStringLiteral(
        "set Ed_A1 124.0\nset Iarmo_razmery.Ed_B2 1.2.3\nset Ed_h_B 0.05\nclick Button_Raschet\n"
        "print Ed_A1\nprint Iarmo_razmery.Ed_B2\nprint Ed_h_B\nprint Memo_Result\nstate But_EtapII\n"));
    // The yoke field stops the calculation after its rewrite; Ed_h_B is read as typed
    // and never rewritten; the calculation had cleared the report and disabled Stage II.
    EXPECT_EQ(joined(output.lines),
              "error: '1,2.3' is not a valid floating point value\n124,0\n1,2.3\n0.05\n\nBut_EtapII enabled=0 visible=1");
}

TEST(StageOneWindow, AFailedRecalculationClosesTheWayToStageTwo) {
    ScriptSession session;
    const ScriptOutput output = session.run(QString::fromUtf8(kPickAndCalculate) + QStringLiteral(
        "state But_EtapII\nset Ed_h_B 0\nclick Button_Raschet\nstate But_EtapII\nprint Memo_Result\n"));
    EXPECT_EQ(joined(output.lines),
              "But_EtapII enabled=1 visible=1\nerror: Increment induction must be greater than 0\n"
              "But_EtapII enabled=0 visible=1\n");
}

TEST(StageOneWindow, AllPacketsZeroStopAtTheYokeInduction) {
    ScriptSession session;
    // The window's zero distances are no core: a window of 400 x 270 mm is.
    const ScriptOutput output =
        session.run(QStringLiteral("set Ed_C 270\nset Ed_Lc 400\nclick Button_Raschet\nprint Memo_Result\n"));
    ASSERT_GE(output.lines.size(), 2);
    EXPECT_EQ(output.lines.first().toStdString(), "error: Floating point division by zero");
    EXPECT_EQ(output.lines.last().toStdString(), "Value of the recommended induction, T 1,575");
}

TEST(StageOneWindow, TheSchemeFollowsTheComboAndAnUnknownTextIsRefused) {
    ScriptSession session;
    // D/Yn-0 takes the Y,D short-circuit data; a typed scheme that is none of
    // the list's stops the calculation before any line.
    const ScriptOutput output = session.run(QString::fromUtf8(kPickAndCalculate) + QStringLiteral(
        "choose CB_Shem D/Yn-0\nclick Button_Raschet\nprint Memo_Result\n"
        "set CB_Shem Y/Q\nclick Button_Raschet\nprint Memo_Result\nstate But_EtapII\n"));
    ASSERT_EQ(output.exitCode, 0);
    const QStringList first = output.lines.mid(0, output.lines.indexOf(QStringLiteral("error: Scheme must be one of "
                                                                                       "Y/Yn-0, Y/Zn-11, D/Yn-0: Y/Q")));
    EXPECT_TRUE(first.contains(QStringLiteral("Loss of short-circuit, W 1970,000")));
    EXPECT_TRUE(first.contains(QStringLiteral("Short-circuit voltage, % 4,500")));
    EXPECT_EQ(joined(output.lines.mid(first.size())),
              "error: Scheme must be one of Y/Yn-0, Y/Zn-11, D/Yn-0: Y/Q\n\nBut_EtapII enabled=0 visible=1");
}

TEST(StageOneWindow, CopyPutsTheWholeReportOnTheClipboard) {
    ScriptSession session;
    const ScriptOutput output =
        session.run(QString::fromUtf8(kPickAndCalculate) + QStringLiteral("click Copy_to_clipboard\nprint clipboard\n"));
    ASSERT_FALSE(output.lines.isEmpty());
    EXPECT_EQ(output.lines.first().toStdString(), "message: Отчет по расчету магнитопровода скопирован в буфер обмена");
    EXPECT_EQ(joined(output.lines.mid(1)), joined(kTypicalReport));
}

TEST(StageOneWindow, ExitEndsTheRun) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral("print Ed_C\nclick Button7\nprint Ed_Lc\n"));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines), "0");
}

}  // namespace
}  // namespace dravik::test
