// A refusal takes the user to the field at fault: the real windows, in the
// test's own process, so that the focus and the mark can be looked at.
#include "field_mark.h"
#include "gui/window_fixture.h"
#include "iarmo_razmery.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

class FieldMarks : public WindowTest {
protected:
    FieldMarks() { openWindows(); }
};

TEST_F(FieldMarks, AnOutOfRangeFieldGetsTheFocusAndTheMarkUntilTheUserEditsIt) {
    click(stageOne(), "Button9");
    auto* distance = control<QLineEdit>(stageOne(), "Ed_C");
    auto* height = control<QLineEdit>(stageOne(), "Ed_Lc");
    typeInto(distance, QStringLiteral("6000"));
    click(stageOne(), "Button_Raschet");

    EXPECT_EQ(messages_.errors, QStringList{QStringLiteral("C, mm must be above 0 and at most 5000: 6000")});
    EXPECT_TRUE(isFieldMarked(distance));
    EXPECT_FALSE(isFieldMarked(height));
    EXPECT_EQ(stageOne()->focusWidget(), distance);

    typeInto(distance, QStringLiteral("270"));
    EXPECT_FALSE(isFieldMarked(distance));
}

// A text that is no number in a yoke packet: the yoke window comes up with
// the field marked; the next calculation, with the field mended elsewhere,
// takes the mark away.
TEST_F(FieldMarks, AConversionErrorInTheYokeWindowTakesTheUserThere) {
    click(stageOne(), "Button9");
    QWidget* yoke = context_.windows.iarmo;
    auto* packet = control<QLineEdit>(yoke, "Ed_B2");
    typeInto(packet, QStringLiteral("1.2.3"));
    click(stageOne(), "Button_Raschet");

    EXPECT_EQ(messages_.errors, QStringList{QStringLiteral("'1,2.3' is not a valid floating point value")});
    EXPECT_TRUE(yoke->isVisible());
    EXPECT_TRUE(isFieldMarked(packet));
    EXPECT_EQ(yoke->focusWidget(), packet);

    packet->setText(QStringLiteral("113"));  // put back by the program, not typed
    EXPECT_TRUE(isFieldMarked(packet));
    click(stageOne(), "Button_Raschet");
    EXPECT_FALSE(isFieldMarked(packet));
}

// Stage II: a refused layer count marks Ed_n_sl of the Stage II window, the
// check that comes before its range naming it as well.
TEST_F(FieldMarks, AStageTwoRefusalMarksItsField) {
    click(stageOne(), "Button9");
    click(stageOne(), "Button_Raschet");
    click(stageOne(), "But_EtapII");
    QWidget* stageTwo = windows_->windows()[1];
    auto* layers = control<QLineEdit>(stageTwo, "Ed_n_sl");
    typeInto(layers, QStringLiteral("0"));
    click(stageTwo, "RaschetObmotki_NN");

    EXPECT_EQ(messages_.errors, QStringList{QStringLiteral("Number of layers must be at least 1")});
    EXPECT_TRUE(isFieldMarked(layers));
    EXPECT_EQ(stageTwo->focusWidget(), layers);
}

}  // namespace
}  // namespace dravik::test
