#include "gui/stage2_support.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

// The default design is Y/Zn-11, whose Stage II offers "Parameters Z".
const QString kOpenZigzag = toStageTwo() + QStringLiteral("click Raschet_zigzag\n");

QString enter(const QString& angle) {
    return QStringLiteral("set Zigzag_parametry.Ed_b ") + angle +
           QStringLiteral("\nclick Zeta_vvod\nstate Zigzag_parametry\n");
}

TEST(ZigzagWindow, OpensWithItsDefaults) {
    ScriptSession session;
    const ScriptOutput output = session.run(
        kOpenZigzag + QStringLiteral("state Zigzag_parametry\nprint Zigzag_parametry\nstate Zigzag_parametry.Image1\n"
                                     "print Zigzag_parametry.Label1\nprint Zigzag_parametry.Ed_b\nprint Zeta_vvod\n"));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines),
              "Zigzag_parametry enabled=1 visible=1\n"
              "Parameters Z\n"
              "Zigzag_parametry.Image1 enabled=1 visible=1\n"
              "β=\n"
              "30\n"
              "ENTER");
}

// Every angle from 0 to 60 degrees is a split of the phase turns between the
// two rods; anything else, or a text that is not a number, is refused and the
// window stays open for a correction. The field is read as typed: a point is
// not taken for a comma, and the text is left as the user wrote it.
TEST(ZigzagWindow, RefusedAnglesKeepTheWindowOpen) {
    ScriptSession session;
    const ScriptOutput output = session.run(
        kOpenZigzag + enter(QStringLiteral("61")) + enter(QStringLiteral("-1")) + enter(QStringLiteral("abc")) +
        enter(QStringLiteral("30.5")) + QStringLiteral("print Zigzag_parametry.Ed_b\n") + enter(QString()));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines),
              "error: Angle must be 0..60 degrees\n"
              "Zigzag_parametry enabled=1 visible=1\n"
              "error: Angle must be 0..60 degrees\n"
              "Zigzag_parametry enabled=1 visible=1\n"
              "error: 'abc' is not a valid floating point value\n"
              "Zigzag_parametry enabled=1 visible=1\n"
              "error: '30.5' is not a valid floating point value\n"
              "Zigzag_parametry enabled=1 visible=1\n"
              "30.5\n"
              "error: '' is not a valid floating point value\n"
              "Zigzag_parametry enabled=1 visible=1");
}

struct AcceptedAngle {
    const char* name;
    const char* text;
};

class ZigzagWindowAccepts : public ::testing::TestWithParam<AcceptedAngle> {};

TEST_P(ZigzagWindowAccepts, AnAngleInRangeIsTakenAndTheWindowHides) {
    ScriptSession session;
    const ScriptOutput output = session.run(kOpenZigzag + enter(QString::fromUtf8(GetParam().text)));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines), "Zigzag_parametry enabled=1 visible=0");
}

INSTANTIATE_TEST_SUITE_P(Angles, ZigzagWindowAccepts,
                         ::testing::Values(AcceptedAngle{"NoTurnsOnTheNeighbouringRod", "0"},
                                           AcceptedAngle{"Between", "45"},
                                           AcceptedAngle{"AllTurnsOnTheNeighbouringRod", "60"}),
                         [](const ::testing::TestParamInfo<AcceptedAngle>& info) { return std::string(info.param.name); });

// After a refusal the window can still take a good angle, and opening it
// again shows what was typed last.
TEST(ZigzagWindow, ACorrectionAfterARefusalIsTaken) {
    ScriptSession session;
    const ScriptOutput output = session.run(kOpenZigzag + enter(QStringLiteral("75")) + enter(QStringLiteral("15")) +
                                            QStringLiteral("click Raschet_zigzag\nprint Zigzag_parametry.Ed_b\n"));
    EXPECT_EQ(joined(output.lines),
              "error: Angle must be 0..60 degrees\n"
              "Zigzag_parametry enabled=1 visible=1\n"
              "Zigzag_parametry enabled=1 visible=0\n"
              "15");
}

}  // namespace
}  // namespace dravik::test
