// A point typed out of habit in Ed_l_01, Edi_K_t_nepl, Ed_ak or Ed_a_01
// becomes a comma when the calculation step that reads the field reads it,
// not when the button is pressed: a press that stops earlier leaves the
// fields as typed.
#include "gui/stage2_support.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

const QString kPrintFields = QStringLiteral("print Ed_l_01\nprint Edi_K_t_nepl\nprint Ed_ak\nprint Ed_a_01\n");

TEST(FieldRewrite, AnHvPressBeforeTheLvLeavesTheChannelWidthAsTyped) {
    ScriptSession session;
    const ScriptOutput output = session.run(
        toStageTwo() + QStringLiteral("choose CB_NN_VN Higher voltage\nset Ed_ak 4.5\nclick Rasch_Obmotok\n"
                                      "print Memo_Rez_ob\nprint Ed_ak\n"));
    EXPECT_EQ(joined(output.lines), "Calculate the LV winding first!\n4.5");
}

// The zigzag LV of the standard 100 kVA core: refused layers stop the press
// before the yoke distance is read; with two layers every step is reached,
// the last one failing on a rod insulation that is no whole number, after
// its field was shown with the comma.
TEST(FieldRewrite, EachFieldIsRewrittenByTheStepThatReadsIt) {
    ScriptSession session;
    const ScriptOutput output = session.run(
        toStageTwo() +
        QStringLiteral("set Ed_l_01 15.5\nset Edi_K_t_nepl 1.03\nset Ed_ak 4.5\nset Ed_a_01 4.0\nset Ed_n_sl 0\n"
                       "click RaschetObmotki_NN\n") +
        kPrintFields + QStringLiteral("set Ed_n_sl 2\nclick RaschetObmotki_NN\n") + kPrintFields);
    EXPECT_EQ(joined(output.lines), "error: Number of layers must be at least 1\n15.5\n1.03\n4.5\n4.0\n"
                                    "error: '4,0' is not a valid integer value\n15,5\n1,03\n4,5\n4,0");
}

}  // namespace
}  // namespace dravik::test
