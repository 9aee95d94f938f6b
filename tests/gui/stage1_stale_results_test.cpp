// Stage II works on the Stage I results only while the Stage I inputs are
// those the last successful calculation read: driven through the windows,
// with the hand-over button as the sign of it.
#include "gui/script_session.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

const QString kStale =
    QStringLiteral("error: The Stage I inputs have changed: repeat the calculation of the magnetic circuit");

// The standard 100 kVA core puts its rods 270 mm apart; the designer moves
// them to 300 mm without calculating again. Every Stage II calculation is
// refused, changing nothing, until 270 is typed back.
TEST(StaleStageOneResults, ChangingCRefusesStageTwoUntilItIsTypedBack) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral(
        "click Button9\nclick Button_Raschet\nclick But_EtapII\n"
        "set Ed_C 300\nclick RaschetObmotki_NN\nprint Memo_Rez_ob\n"
        "click Raschet_zigzag\nclick Zeta_vvod\nstate Zigzag_parametry\n"
        "click EtapII.Button1\nstate But_EtapII\n"
        "set Ed_C 300,0\nstate But_EtapII\nset Ed_C 270\nstate But_EtapII\n"
        "click But_EtapII\nclick RaschetObmotki_NN\nprint Memo_Rez_ob\n"));
    ASSERT_EQ(output.exitCode, 0);
    ASSERT_GE(output.lines.size(), 8);
    EXPECT_EQ(joined(output.lines.mid(0, 7)),
              joined({kStale, QString(), kStale, QStringLiteral("Zigzag_parametry enabled=1 visible=1"),
                      QStringLiteral("But_EtapII enabled=0 visible=1"), QStringLiteral("But_EtapII enabled=0 visible=1"),
                      QStringLiteral("But_EtapII enabled=1 visible=1")}));
    // The design as it was calculated: the zigzag LV of the worked example.
    EXPECT_EQ(output.lines[7].toStdString(), "The number of loop in the winding of one phase LV 75");
}

// The KU and zigzag windows stay open while the designer goes back to Stage
// I; their calculations are refused as well after a change there, here of
// a yoke packet and of the tap steps.
TEST(StaleStageOneResults, TheKuAndZigzagWindowsRefuseAfterAChange) {
    ScriptSession session;
    ScriptOutput output = session.run(QStringLiteral(
        "choose CB_Shem Y/Yn-0\nclick Button9\nclick Button_Raschet\nclick But_EtapII\nclick Raschet_KU\n"
        "click EtapII.Button1\nset Iarmo_razmery.Ed_B1 125\nstate But_EtapII\n"
        "click Raschet_obmotok_KU.Button1\nstate Raschet_obmotok_KU\nprint Memo_Rez_ob\n"
        "set Iarmo_razmery.Ed_B1 124\nstate But_EtapII\nclick Raschet_obmotok_KU.Button1\nstate Raschet_obmotok_KU\n"));
    ASSERT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines), joined({QStringLiteral("But_EtapII enabled=0 visible=1"), kStale,
                                            QStringLiteral("Raschet_obmotok_KU enabled=1 visible=1"), QString(),
                                            QStringLiteral("But_EtapII enabled=1 visible=1"),
                                            QStringLiteral("Raschet_obmotok_KU enabled=1 visible=0")}));

    output = session.run(QStringLiteral(
        "click Button9\nclick Button_Raschet\nclick But_EtapII\nclick Raschet_zigzag\nset Zigzag_parametry.Ed_b 20\n"
        "click EtapII.Button1\nset Ed_num_h_U 3\nclick Zeta_vvod\nstate Zigzag_parametry\n"
        "set Ed_num_h_U 2\nclick Zeta_vvod\nstate Zigzag_parametry\n"));
    EXPECT_EQ(joined(output.lines), joined({kStale, QStringLiteral("Zigzag_parametry enabled=1 visible=1"),
                                            QStringLiteral("Zigzag_parametry enabled=1 visible=0")}));
}

// A calculation that stops leaves nothing to go back to: even the inputs
// of the earlier success do not open Stage II again.
TEST(StaleStageOneResults, AFailedCalculationLeavesNothingCurrent) {
    ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral(
        "click Button9\nclick Button_Raschet\nset Ed_C 6000\nclick Button_Raschet\nset Ed_C 270\nstate But_EtapII\n"
        "click Button_Raschet\nstate But_EtapII\n"));
    EXPECT_EQ(joined(output.lines), "error: C, mm must be above 0 and at most 5000: 6000\n"
                                    "But_EtapII enabled=0 visible=1\nBut_EtapII enabled=1 visible=1");
}

}  // namespace
}  // namespace dravik::test
