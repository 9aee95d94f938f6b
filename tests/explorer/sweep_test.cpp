#include "explorer/explorer_support.h"

#include "common/command_error.h"
#include "magnetic/scheme.h"
#include "explorer/sweep_inputs.h"
#include "explorer/variant_result.h"
#include "explorer/variant_table.h"
#include "windings/short_circuit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

// The sweep: which diameters and windows it offers, the order of its
// variants, and that each variant is the design the windows would make from
// the same choices, figure for figure.
namespace dravik::test {
namespace {

std::vector<int> items(std::initializer_list<const char*> diameters) {
    std::vector<int> found;
    for (const char* d : diameters) {
        const auto at = std::find_if(kStandardDiameters.begin(), kStandardDiameters.end(),
                                     [&](const char* item) { return QLatin1String(item) == QLatin1String(d); });
        found.push_back(static_cast<int>(at - kStandardDiameters.begin()));
    }
    return found;
}

// "Pick sheets for power" keeps 100 kVA to 0,10..0,14 m; from 160 kVA on
// the seven- and eight-step cores of 0,19, 0,22 and 0,225 m come in, while
// 0,20 and 0,21 m take eight steps without packets of their own.
TEST(Sweep, OffersTheDiametersPickSheetsKeeps) {
    const CoreGeometryMemory fresh;
    const StandardDiameters for100 = standardDiametersFor("100", "0,13", false, fresh);
    EXPECT_EQ(for100.items, items({"0,10", "0,105", "0,11", "0,115", "0,12", "0,125", "0,13", "0,14"}));
    EXPECT_EQ(for100.standard, items({"0,13"}).front());
    EXPECT_EQ(standardDiametersFor("100", "0,16", false, fresh).standard, items({"0,14"}).front());
    EXPECT_FALSE(standardDiametersFor("100", "x", false, fresh).standard.has_value());

    // A diameter no step row covers keeps what the last pick chose: here
    // that of 250 kVA at 0,13 m, which lifts 0,08 m to 0,10 m.
    CoreGeometryMemory picked250;
    CoreGeometryResult unused;
    pickStandardSheets({"250", "0,13", false}, picked250, unused);
    const StandardDiameters for250 = standardDiametersFor("250", "0,13", false, picked250);
    EXPECT_EQ(for250.items, items({"0,10", "0,105", "0,11", "0,115", "0,12", "0,125", "0,13", "0,14", "0,19",
                                   "0,22", "0,225"}));

    EXPECT_EQ(standardWindowFor("100", fresh)->lc_mm, 400);
    EXPECT_EQ(standardWindowFor("100", fresh)->C_mm, 270);
    EXPECT_FALSE(standardWindowFor("160", fresh).has_value());
}

// The window opens on the standard diameter with two on each side, cut at
// the ends of the list, and on the power's standard window (else Stage I's)
// from 10 % below to 20 % above.
TEST(Sweep, StartsFromTheStandardDiameterAndWindowOfThePower) {
    const CoreGeometryMemory fresh;
    const DiameterPositions for100 = defaultDiameterPositions(standardDiametersFor("100", "0,13", false, fresh));
    EXPECT_EQ(std::pair(for100.from, for100.to), std::pair(4, 7));  // 0,12 .. 0,14
    const DiameterPositions noStandard = defaultDiameterPositions(standardDiametersFor("100", "x", false, fresh));
    EXPECT_EQ(std::pair(noStandard.from, noStandard.to), std::pair(2, 6));
    const DiameterPositions none = defaultDiameterPositions({});
    EXPECT_EQ(std::pair(none.from, none.to), std::pair(0, 0));

    MagneticInputs stage1;
    stage1.snom = "100";
    stage1.Lc = "300";
    stage1.C = "250.4";
    const std::optional<WindowRanges> standard = defaultWindowRanges(stage1, fresh);
    ASSERT_TRUE(standard.has_value());
    EXPECT_EQ(std::tuple(standard->lcFrom, standard->lcTo, standard->cFrom, standard->cTo),
              std::tuple(360L, 480L, 243L, 324L));
    stage1.snom = "160";
    const std::optional<WindowRanges> typed = defaultWindowRanges(stage1, fresh);
    ASSERT_TRUE(typed.has_value());
    EXPECT_EQ(std::tuple(typed->lcFrom, typed->lcTo, typed->cFrom, typed->cTo), std::tuple(270L, 360L, 225L, 300L));
    stage1.C = "wide";
    EXPECT_FALSE(defaultWindowRanges(stage1, fresh).has_value());
}

SweepRanges typicalRanges() {
    SweepRanges ranges;
    ranges.diameterItems = items({"0,125", "0,13"});
    ranges.lcFrom_mm = 390;
    ranges.lcTo_mm = 410;
    ranges.cFrom_mm = 295;
    ranges.cTo_mm = 300;
    ranges.steelIndexes = {2, 3};
    ranges.materialItems = {kCopperItem, kAluminumItem};
    ranges.layersFrom = 2;
    ranges.layersTo = 3;
    return ranges;
}

TEST(Sweep, VariantsRunDiameterSlowestAndLayersFastest) {
    const Sweep sweep(windowBase("100", "Y/Zn-11"), typicalRanges(), builtInSteels(), shippedWires());
    ASSERT_EQ(sweep.size(), 2 * 3 * 2 * 2 * 2 * 2);
    const Variant first = sweep.variant(0);
    EXPECT_EQ(std::tuple(first.diameterItem, first.lc_mm, first.C_mm, first.steelIndex, first.materialItem,
                         first.lvLayers),
              std::tuple(items({"0,125"}).front(), 390, 295, 2, kCopperItem, 2));
    const Variant second = sweep.variant(1);
    EXPECT_EQ(second.lvLayers, 3);
    const Variant last = sweep.variant(sweep.size() - 1);
    EXPECT_EQ(std::tuple(last.diameterItem, last.lc_mm, last.C_mm, last.steelIndex, last.materialItem, last.lvLayers),
              std::tuple(items({"0,13"}).front(), 410, 300, 3, kAluminumItem, 3));
    EXPECT_EQ(last.index, sweep.size() - 1);
}

TEST(Sweep, RefusesABaseTheCalculationWouldRefuse) {
    SweepBase base = windowBase("100", "Y/Zn-11");
    base.stage1.hB = "0";
    try {
        Sweep(base, typicalRanges(), builtInSteels(), shippedWires());
        FAIL() << "no refusal";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text().toStdString(), "Increment induction must be greater than 0");
        EXPECT_EQ(error.field().toStdString(), "Ed_h_B");
    }
    base = windowBase("100", "Y/Zn-11");
    base.k_t = "3";
    try {
        Sweep(base, typicalRanges(), builtInSteels(), shippedWires());
        FAIL() << "no refusal";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.field().toStdString(), "Edi_K_t_nepl");
    }
}

// The windows' inputs for a variant, as a designer would type them: the
// packets "Pick sheets for power" writes, the window height and rod spacing
// as whole millimetres, the steel and the metal chosen, the LV layers typed.
DesignInputs typedAsTheWindowsWould(const SweepBase& base, const Variant& v) {
    DesignInputs in = windowDefaults("100", "Y/Zn-11");
    in.core = base.stage1;
    CoreGeometryMemory memory = base.coreGeometry;
    CoreGeometryResult picked;
    pickStandardSheets({base.stage1.snom, kStandardDiameters[static_cast<size_t>(v.diameterItem)], false}, memory,
                       picked);
    for (size_t i = 0; i < 8; ++i) {
        in.core.A[i] = (*picked.A)[i];
        in.core.a[i] = (*picked.a)[i];
        if (i < 6) in.core.B[i] = (*picked.B)[i];
        if (i < 6) in.core.b[i] = (*picked.b)[i];
    }
    if (picked.windowTexts) in.core.Cok = (*picked.windowTexts)[1];
    in.core.Lc = QString::number(v.lc_mm);
    in.core.C = QString::number(v.C_mm);
    in.core.steelIndex = v.steelIndex;
    const bool ku = carriesKuWinding(*schemeFromText(base.stage1.shem));
    in.lv.kuTicked = in.hv.kuTicked = ku;
    in.ku.material = in.lv.material = in.hv.material = materialName(v.materialItem);
    in.hv.materialIndex = v.materialItem;
    in.lv.n_sl = QString::number(v.lvLayers);
    return in;
}

struct Rating {
    const char* power;
    const char* scheme;
    std::vector<int> diameters;
    int lcFrom, lcTo, cFrom, cTo;
};

// For a sample of the variants of three ratings, the row's figures and
// check are those of the design the windows make from the same choices.
TEST(Sweep, EachVariantIsTheDesignTheWindowsMake) {
    const Rating ratings[] = {
        {"100", "Y/Zn-11", items({"0,12", "0,13", "0,14"}), 360, 480, 243, 323},
        {"250", "Y/Yn-0", items({"0,14", "0,19"}), 720, 960, 405, 540},
        {"40", "D/Yn-0", items({"0,10", "0,11", "0,12"}), 300, 390, 225, 300},
    };
    const std::vector<WireRecord> wires = shippedWires();
    for (const Rating& rating : ratings) {
        SCOPED_TRACE(rating.power);
        const SweepBase base = windowBase(rating.power, rating.scheme);
        SweepRanges ranges;
        ranges.diameterItems = rating.diameters;
        ranges.lcFrom_mm = rating.lcFrom;
        ranges.lcTo_mm = rating.lcTo;
        ranges.lcStep_mm = 30;
        ranges.cFrom_mm = rating.cFrom;
        ranges.cTo_mm = rating.cTo;
        ranges.cStep_mm = 15;
        ranges.steelIndexes = {2, 3};
        ranges.materialItems = {kCopperItem, kAluminumItem};
        ranges.layersFrom = 2;
        ranges.layersTo = 3;
        const Sweep sweep(base, ranges, builtInSteels(), wires);
        std::map<DesignStop, int> stops;
        for (int index = 0; index < sweep.size(); index += 7) {
            SCOPED_TRACE(index);
            const VariantResult row = evaluateVariant(sweep, index, Prices{});
            ++stops[row.stop];
            DesignState design;
            Stage2State windings;
            Report stage1;
            Report memo;
            const DesignOutcome made = designWhole(typedAsTheWindowsWould(base, row.variant), {builtInSteels(), wires},
                                                   design, windings, stage1, memo);
            ASSERT_EQ(row.stop, made.stop);
            if (row.stop == DesignStop::NoRatedData) continue;
            EXPECT_EQ(row.steel_kg, design.G_rod + design.G_yoke);
            EXPECT_EQ(row.B_T, design.B_rod);
            if (!std::isnan(row.P0_W)) {
                EXPECT_EQ(row.P0_W, design.P0);
            }
            if (!std::isnan(row.i0_pct)) {
                EXPECT_EQ(row.i0_pct, design.i0);
            }
            if (!windings.short_circuit) continue;
            EXPECT_EQ(row.Pk_W, windings.short_circuit->Pk);
            EXPECT_EQ(row.uk_pct, windings.short_circuit->uk);
            const double ku = windings.ku_done ? windings.report.m_ku : 0;
            EXPECT_EQ(row.conductor_kg, windings.report.m_lv + windings.report.m_hv + ku);
        }
        // The sample reaches the end of the design as well as its early checks.
        EXPECT_GE(stops.size(), 3u);
    }
}

// What the check text says for a variant that stopped at each kind of check.
TEST(VariantCheck, SaysWhichCheckFailedAndByHowMuch) {
    VariantResult r;
    EXPECT_EQ(checkText(r).toStdString(), "meets");
    r.stop = DesignStop::HvOutOfWindow;
    r.miss = 0.52;
    EXPECT_EQ(checkText(r).toStdString(), "HV width: +0,5 mm over C − a22");
    EXPECT_EQ(checkText(r, QLatin1Char('.')).toStdString(), "HV width: +0.5 mm over C − a22");
    r.stop = DesignStop::UkOutsideStandard;
    r.miss = -12.26;
    EXPECT_EQ(checkText(r).toStdString(), "uk -12,3 % (within ±10 %)");
    r.stop = DesignStop::LossesCriterion;
    r.miss = -8;
    EXPECT_EQ(checkText(r).toStdString(), "no-load: P0 -8,0 % (0 to +15 %)");
    r.stop = DesignStop::Refused;
    r.refusal = QStringLiteral("Range check error");
    EXPECT_EQ(checkText(r).toStdString(), "refused: Range check error");
}

}  // namespace
}  // namespace dravik::test
