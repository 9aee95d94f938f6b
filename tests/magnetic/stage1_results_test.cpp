#include "catalogues/steel_catalogue.h"
#include "common/command_error.h"
#include "magnetic/magnetic_calculation.h"
#include "magnetic/stage1_results.h"
#include "magnetic/typical_design_report.h"

#include <gtest/gtest.h>

#include <functional>

// Stage II may build on the Stage I results only while every Stage I input
// still holds the text the last successful calculation read.
namespace dravik {
namespace {

using test::typicalDesign;

class Stage1ResultsTest : public testing::Test {
protected:
    bool calculate(const MagneticInputs& in) {
        Report report;
        try {
            return calculateMagneticCircuit(in, steels_, state_, results_, report) == DesignStop::None;
        } catch (const CommandError&) {
            return false;
        }
    }

    std::vector<SteelEntry> steels_ = SteelCatalogue().entries();
    DesignState state_;
    Stage1Results results_;
};

TEST_F(Stage1ResultsTest, NothingIsCurrentBeforeASuccessfulCalculation) {
    EXPECT_FALSE(results_.areCurrentFor(typicalDesign()));
    try {
        results_.requireCurrentFor(typicalDesign());
        ADD_FAILURE() << "no calculation, yet current";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(),
                  QStringLiteral("The Stage I inputs have changed: repeat the calculation of the magnetic circuit"));
        EXPECT_TRUE(error.field().isEmpty());
    }
}

TEST_F(Stage1ResultsTest, AnyChangedTextMakesTheResultsStaleUntilItIsTypedBack) {
    ASSERT_TRUE(calculate(typicalDesign()));
    EXPECT_TRUE(results_.areCurrentFor(typicalDesign()));
    EXPECT_NO_THROW(results_.requireCurrentFor(typicalDesign()));

    struct Change {
        const char* what;
        std::function<void(MagneticInputs&)> apply;
    } changes[] = {
        {"C 300", [](MagneticInputs& in) { in.C = QStringLiteral("300"); }},
        {"C 270,0 reads the same but is another text", [](MagneticInputs& in) { in.C = QStringLiteral("270,0"); }},
        {"C 270.0 becomes 270,0", [](MagneticInputs& in) { in.C = QStringLiteral("270.0"); }},
        {"a yoke packet", [](MagneticInputs& in) { in.B[0] = QStringLiteral("125"); }},
        {"the tap steps", [](MagneticInputs& in) { in.numhU = QStringLiteral("3"); }},
        {"the scheme", [](MagneticInputs& in) { in.shem = QStringLiteral("D/Yn-0"); }},
        {"the steel", [](MagneticInputs& in) { in.steelIndex = 3; }},
        {"the diameter of Pick sheets", [](MagneticInputs& in) { in.dnom = QStringLiteral("0,14"); }},
        {"the press plate", [](MagneticInputs& in) { in.pressPlate = true; }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        MagneticInputs in = typicalDesign();
        change.apply(in);
        EXPECT_FALSE(results_.areCurrentFor(in));
        EXPECT_THROW(results_.requireCurrentFor(in), CommandError);
    }
    EXPECT_TRUE(results_.areCurrentFor(typicalDesign()));  // every text typed back
}

TEST_F(Stage1ResultsTest, APointTypedInALengthIsComparedAsTheCalculationReadsIt) {
    MagneticInputs in = typicalDesign();
    in.dz = QStringLiteral("0.35");
    ASSERT_TRUE(calculate(lengthPointsAsCommas(in)));
    EXPECT_TRUE(results_.areCurrentFor(in));
    EXPECT_TRUE(results_.areCurrentFor(typicalDesign()));  // "0,35" as the calculation read it
}

TEST_F(Stage1ResultsTest, ACalculationForgetsTheResultsAsItStarts) {
    ASSERT_TRUE(calculate(typicalDesign()));
    MagneticInputs failing = typicalDesign();
    failing.hB = QStringLiteral("0");  // refused before any line
    EXPECT_FALSE(calculate(failing));
    EXPECT_FALSE(results_.areCurrentFor(typicalDesign()));
    EXPECT_FALSE(results_.areCurrentFor(failing));

    // A search that fails its criteria leaves nothing to return to either.
    MagneticInputs offCurve = typicalDesign();
    offCurve.steelIndex = 0;
    EXPECT_FALSE(calculate(offCurve));
    EXPECT_FALSE(results_.areCurrentFor(offCurve));
}

}  // namespace
}  // namespace dravik
