#include "hv_test_support.h"

#include "windings/hv_conductor_search.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

const std::string kPrefix = "The chosen type of HV wire: АПБ ";
const std::string kTooManyStrands =
    "Unwanted number of parallel branches! Preferably before 4 to 6 when winding flat and up to 6, no more than 8 on "
    "the edge!";
const std::string kFailed =
    "Choose an conductor for HV winding failed! Select the conductor and repeat calculation!";

struct Search {
    Stage2State state;
    Report memo;
    Stage2Effects effects;
    bool found = false;
};

Search search(HvWireShape shape, double s_hv_est, const std::vector<WireRecord>& catalogue) {
    Search result;
    result.state.hv_manual_par = true;
    result.found = searchHvConductor({"Aluminum", shape, s_hv_est}, catalogue, result.state, result.memo,
                                     result.effects);
    return result;
}

// 12 mm2 in round aluminium wire: 2 × 5.5 = 11 (91.667 %), then
// 5 × 2.37 = 11.85 (98.75 %, five strands), while 3 × 3.95 = 11.85 only
// equals it. Copper, rectangular and sectionless records take no part.
TEST(HvConductorSearch, RoundWireKeepsTheBestCoverageOfStrands) {
    const std::vector<WireRecord> catalogue{
        blankPlaceholder(),
        roundWire("Aluminum", 3.0, 7.07, 0.3),
        roundWire("Aluminum", 2.65, 5.5, 0.3),
        roundWire("Copper", 2.74, 5.9, 0.3),
        rectWire("Aluminum", 1.6, 3.75, 5.95, 0.45),
        roundWire("Aluminum", 1.74, -1, 0.3),
        roundWire("Aluminum", 1.74, 2.37, 0.3),
        roundWire("Aluminum", 2.24, 3.95, 0.3),
    };
    const Search run = search(HvWireShape::Round, 12, catalogue);
    EXPECT_EQ(lines(run.memo), (std::vector<std::string>{
                                   kPrefix + "5,500mm2 parallel wire a=2  Corresponds to 91,667%",
                                   kPrefix + "2,370mm2 parallel wire a=5  Corresponds to 98,750%", kTooManyStrands}));
    EXPECT_TRUE(run.found);
    EXPECT_EQ(run.state.chosen_wire, catalogue[6]);
    EXPECT_EQ(run.state.hv.n_par_hv, 5);
    EXPECT_FALSE(run.state.hv_manual_par);
    EXPECT_EQ(run.effects.catalogueControlsEnabled, true);
    EXPECT_EQ(run.effects.parallelSpinEnabled, true);
}

// No multiple of 7, 6.5 or 9 mm2 lands in 90..100 % of 12 mm2; one
// conductor of 58.333 % and then of 75 % does. The line says "a=1" while
// the strand count is Round(12/s): 2 for 7 mm2, 1 for 9 mm2.
TEST(HvConductorSearch, RoundWireFallsBackToOneConductorAboveHalfTheSection) {
    const WireRecord s7 = roundWire("Aluminum", 3.0, 7.0, 0.3);
    const WireRecord s6_5 = roundWire("Aluminum", 2.9, 6.5, 0.3);
    const WireRecord s9 = roundWire("Aluminum", 3.4, 9.0, 0.3);
    {
        SCOPED_TRACE("7, 6.5 and 9 mm2");
        const Search run = search(HvWireShape::Round, 12, {s7, s6_5, s9});
        EXPECT_EQ(lines(run.memo), (std::vector<std::string>{
                                       kPrefix + "7,000mm2 parallel wire a=1  Corresponds to 58,333%",
                                       kPrefix + "9,000mm2 parallel wire a=1  Corresponds to 75,000%"}));
        EXPECT_EQ(run.state.chosen_wire, s9);
        EXPECT_EQ(run.state.hv.n_par_hv, 1);
    }
    {
        SCOPED_TRACE("7 mm2 alone");
        const Search run = search(HvWireShape::Round, 12, {s7});
        EXPECT_EQ(run.state.chosen_wire, s7);
        EXPECT_EQ(run.state.hv.n_par_hv, 2);
    }
}

// A section not above the smallest eligible one takes that conductor alone,
// without a line. Smaller copper or rectangular wires are not eligible.
TEST(HvConductorSearch, SmallSectionTakesTheSmallestEligibleConductor) {
    const std::vector<WireRecord> catalogue{
        roundWire("Copper", 0.8, 0.5, 0.2, "ПЭТВ"),
        rectWire("Aluminum", 0.5, 1.5, 0.75, 0.45),
        roundWire("Aluminum", 2.26, 4.0, 0.3),
        roundWire("Aluminum", 1.78, 2.5, 0.3),
    };
    const Search run = search(HvWireShape::Round, 1.5, catalogue);
    EXPECT_TRUE(run.memo.isEmpty());
    EXPECT_TRUE(run.found);
    EXPECT_EQ(run.state.chosen_wire, catalogue[3]);
    EXPECT_EQ(run.state.hv.n_par_hv, 1);
}

TEST(HvConductorSearch, NothingEligibleIsAFailedSearch) {
    struct Case {
        const char* name;
        HvWireShape shape;
        std::vector<WireRecord> catalogue;
    };
    const Case cases[] = {
        {"empty catalogue", HvWireShape::Round, {}},
        {"only the placeholder", HvWireShape::Round, {blankPlaceholder()}},
        {"only copper and rectangular wires", HvWireShape::Round,
         {roundWire("Copper", 0.8, 0.5, 0.2), rectWire("Aluminum", 0.5, 1.5, 0.75, 0.45)}},
        // 12/0.000001 = 12 million strands cannot be counted, let alone wound.
        {"only a conductor needing millions of strands", HvWireShape::Round, {roundWire("Aluminum", 0.001, 1e-6, 0)}},
        // 40/4.9 = 8.16 strands would cover 98 %, but more than 8 are refused.
        {"rectangular strands above eight", HvWireShape::Rectangular, {rectWire("Aluminum", 1.4, 3.55, 4.9, 0.45)}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const double s_hv_est = k.shape == HvWireShape::Round ? 12 : 40;
        const Search run = search(k.shape, s_hv_est, k.catalogue);
        EXPECT_FALSE(run.found);
        EXPECT_EQ(lines(run.memo), std::vector<std::string>{kFailed});
        EXPECT_TRUE(run.state.hv_manual_par);
        EXPECT_EQ(run.effects.catalogueControlsEnabled, true);
        EXPECT_EQ(run.effects.parallelSpinEnabled, true);
    }
}

// 40 mm2 in rectangular aluminium: 4 × 9.5 = 38 (95 %), then
// 6 × 6.6 = 39.6 (99 %); one blank before "Corresponds".
TEST(HvConductorSearch, RectangularWireHasOnePassWithAtMostEightStrands) {
    const std::vector<WireRecord> catalogue{
        rectWire("Aluminum", 1.4, 3.55, 4.9, 0.45),
        rectWire("Aluminum", 2.0, 3.55, 7.0, 0.45),
        rectWire("Aluminum", 2.5, 4.0, 9.5, 0.45),
        roundWire("Aluminum", 2.9, 6.6, 0.3),
        rectWire("Aluminum", 1.8, 3.75, 6.6, 0.45),
    };
    const Search run = search(HvWireShape::Rectangular, 40, catalogue);
    EXPECT_EQ(lines(run.memo), (std::vector<std::string>{
                                   kPrefix + "9,500mm2 parallel wire a=4 Corresponds to 95,000%",
                                   kPrefix + "6,600mm2 parallel wire a=6 Corresponds to 99,000%", kTooManyStrands}));
    EXPECT_EQ(run.state.chosen_wire, catalogue[4]);
    EXPECT_EQ(run.state.hv.n_par_hv, 6);
}

}  // namespace
}  // namespace dravik::test
