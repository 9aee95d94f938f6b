#include "catalogues/steel_catalogue.h"
#include "common/command_error.h"
#include "magnetic/magnetic_calculation.h"
#include "magnetic/report_lines.h"
#include "magnetic/typical_design_report.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dravik {
namespace {

using test::linesOf;
using test::typicalDesign;
using test::valuesAfter;

// The lines written before the induction search: the sections and the rated
// data of the typical design.
constexpr int kLinesBeforeSearch = 19;

class MagneticCalculationTest : public testing::Test {
protected:
    DesignStop calculate(const MagneticInputs& in) {
        return calculateMagneticCircuit(in, steels_, state_, results_, report_);
    }

    // Runs a calculation that must stop with `text`.
    void expectStop(const MagneticInputs& in, const char* text) {
        try {
            calculate(in);
            ADD_FAILURE() << "no error, expected " << text;
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), QString::fromUtf8(text));
        }
    }

    std::vector<SteelEntry> steels_ = SteelCatalogue().entries();
    DesignState state_;
    Stage1Results results_;
    Report report_{QStringList{QStringLiteral("an old report")}};
};

TEST_F(MagneticCalculationTest, TypicalDesignMeetsBothCriteriaAt1675) {
    EXPECT_EQ(calculate(typicalDesign()), DesignStop::None);
    EXPECT_EQ(report_.lines(), test::kTypicalReport);

    EXPECT_NEAR(state_.B_rod, 1.675, 1e-12);
    EXPECT_NEAR(state_.B_yoke, 1.675, 1e-12);
    EXPECT_TRUE(state_.p0_ok);
    EXPECT_TRUE(state_.i0_ok);
    EXPECT_EQ(state_.C, 0.27);
    EXPECT_EQ(state_.Lc_razm, 0.4);
    EXPECT_EQ(state_.Cok, 0.15);
    EXPECT_NEAR(state_.dz, 0.00035, 1e-18);
    EXPECT_EQ(state_.A[0], 0.124);
    EXPECT_EQ(state_.b[5], 0.005);
    EXPECT_EQ(state_.steel_no, 3);
    EXPECT_EQ(state_.steel_kind, 1);
    EXPECT_EQ(state_.scheme, 2);
    EXPECT_EQ(state_.insulation_kind, 1);
    EXPECT_EQ(state_.dB, 0.05);
    EXPECT_EQ(state_.tap_step, 2.5);
    EXPECT_EQ(state_.tap_count, 2);
    EXPECT_NEAR(state_.U_lv_ph, 0.38 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(state_.rod_area, 0.00914376, 1e-15);
    EXPECT_NEAR(state_.D_rod, std::sqrt(0.015776), 1e-15);
    EXPECT_EQ(state_.k_fill, 5.0);
    EXPECT_EQ(state_.S_calc, 100);
    EXPECT_EQ(state_.S_rated, 100);
    EXPECT_EQ(state_.Pk_norm, 2270);
    EXPECT_EQ(state_.uk_norm, 4.7);
}

TEST_F(MagneticCalculationTest, HeatResistantInsulationFillsMore) {
    MagneticInputs in = typicalDesign();
    in.insulationIndex = 1;
    calculate(in);
    EXPECT_NEAR(state_.rod_area, 0.97 * 0.009832, 1e-15);
    EXPECT_EQ(state_.insulation_kind, 2);
}

TEST_F(MagneticCalculationTest, SchemeChoosesTheShortCircuitData) {
    const struct {
        const char* scheme;
        const char* power;
        const char* voltage;
        const char* Pk;
        const char* uk;
    } cases[] = {
        {"Y/Zn-11", "400", "20", "0,010", "0,010"},  // no zigzag data above 10 kV
        {"Y/Yn-0", "400", "20", "5500,000", "6,500"},
        {"D/Yn-0", "100", "6", "1970,000", "4,500"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scheme);
        MagneticInputs in = typicalDesign();
        in.shem = QString::fromLatin1(c.scheme);
        in.snom = QString::fromLatin1(c.power);
        in.Uvn = QString::fromLatin1(c.voltage);
        calculate(in);
        EXPECT_EQ(valuesAfter(report_, "Loss of short-circuit, W "), QStringList({c.Pk}));
        EXPECT_EQ(valuesAfter(report_, "Short-circuit voltage, % "), QStringList({c.uk}));
    }
}

TEST_F(MagneticCalculationTest, UnknownSchemeTextIsRefusedBeforeAnyLine) {
    state_.scheme = 3;
    MagneticInputs in = typicalDesign();
    in.shem = QStringLiteral("Y/Zn-12");
    try {
        calculate(in);
        ADD_FAILURE() << "an unknown scheme was accepted";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Scheme must be one of Y/Yn-0, Y/Zn-11, D/Yn-0: Y/Zn-12"));
        EXPECT_EQ(error.field(), QStringLiteral("CB_Shem"));
    }
    EXPECT_EQ(state_.scheme, 3);
    EXPECT_TRUE(report_.isEmpty());
}

TEST_F(MagneticCalculationTest, PowerWithoutRatedDataStops) {
    MagneticInputs in = typicalDesign();
    in.snom = QStringLiteral("17");
    EXPECT_EQ(calculate(in), DesignStop::NoRatedData);
    EXPECT_EQ(report_.size(), 7);
    EXPECT_EQ(report_.last(), QStringLiteral("Not found a suitable transformer for rated power"));
}

TEST_F(MagneticCalculationTest, StoredSteelsTakeTheInductionOfTheirRolling) {
    SteelEntry stored = steels_[2];
    stored.name = QStringLiteral("3404 again");
    steels_.push_back(stored);
    stored.rolling = 'h';
    steels_.push_back(stored);

    MagneticInputs in = typicalDesign();
    in.steelIndex = 4;
    EXPECT_EQ(calculate(in), DesignStop::None);
    EXPECT_EQ(report_.lines(), test::kTypicalReport);
    EXPECT_EQ(state_.steel_no, 5);

    in.steelIndex = 5;  // hot-rolled: as 1512, 1.525 T up to 100 kVA
    calculate(in);
    EXPECT_EQ(valuesAfter(report_, "Value of the recommended induction, T "), QStringList({"1,525"}));
    EXPECT_EQ(state_.steel_kind, 2);
    EXPECT_EQ(state_.steel_no, 6);
}

TEST_F(MagneticCalculationTest, SteelWithoutRollingTypeIsRefusedWithALine) {
    SteelEntry untyped = steels_[2];
    untyped.rolling = 0;
    steels_.push_back(untyped);
    state_.steel_kind = 2;
    MagneticInputs in = typicalDesign();
    in.steelIndex = 4;
    EXPECT_EQ(calculate(in), DesignStop::NoRollingType);
    EXPECT_EQ(report_.lines(),
              linesOf({"The steel has no rolling type: choose Cold-rolled or Hot-rolled in Add / edit steel"}));
    EXPECT_EQ(state_.steel_kind, 2);
}

TEST_F(MagneticCalculationTest, RefusedInputsStopBeforeAnyLine) {
    const struct {
        const char* name;
        void (*change)(MagneticInputs&);
        const char* text;
    } cases[] = {
        {"no steel chosen", [](MagneticInputs& in) { in.steelIndex = -1; }, "Choose a steel grade"},
        {"steel beyond the list", [](MagneticInputs& in) { in.steelIndex = 4; }, "Choose a steel grade"},
        {"induction step 0", [](MagneticInputs& in) { in.hB = "0"; }, "Increment induction must be greater than 0"},
        {"induction step negative", [](MagneticInputs& in) { in.hB = "-0,05"; },
         "Increment induction must be greater than 0"},
        {"ten tap steps", [](MagneticInputs& in) { in.numhU = "10"; }, "Number of tap steps must be 0..9"},
        {"negative tap steps", [](MagneticInputs& in) { in.numhU = "-1"; }, "Number of tap steps must be 0..9"},
        {"negative tap step", [](MagneticInputs& in) { in.hU = "-2,5"; }, "Step control. Uhv must not be negative"},
        {"tap steps not an integer", [](MagneticInputs& in) { in.numhU = "2,5"; }, "'2,5' is not a valid integer value"},
        {"voltage with a point", [](MagneticInputs& in) { in.Uvn = "10.0"; },
         "'10.0' is not a valid floating point value"},
        {"packet left with a second point", [](MagneticInputs& in) { in.a[2] = "1,2.3"; },
         "'1,2.3' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        report_ = Report(QStringList{QStringLiteral("an old report")});
        MagneticInputs in = typicalDesign();
        c.change(in);
        expectStop(in, c.text);
        EXPECT_TRUE(report_.isEmpty());
    }
}

TEST_F(MagneticCalculationTest, LimitsOfTheRefusedInputsAreAccepted) {
    MagneticInputs in = typicalDesign();
    in.numhU = QStringLiteral("9");
    in.hU = QStringLiteral("0");
    EXPECT_EQ(calculate(in), DesignStop::None);
    EXPECT_EQ(state_.tap_count, 9);
    EXPECT_EQ(state_.tap_step, 0.0);
    in.numhU = QStringLiteral("0");
    EXPECT_EQ(calculate(in), DesignStop::None);
    EXPECT_EQ(state_.tap_count, 0);
}

TEST_F(MagneticCalculationTest, ConversionErrorKeepsTheLinesAndStateWritten) {
    state_.a[2] = 0.5;
    state_.S_rated = 630;
    MagneticInputs in = typicalDesign();
    in.a[2] = QStringLiteral("nine");
    expectStop(in, "'nine' is not a valid floating point value");
    EXPECT_EQ(state_.a[1], 0.013);  // read before it
    EXPECT_EQ(state_.a[2], 0.5);    // untouched

    in = typicalDesign();
    in.snom = QStringLiteral("100 kVA");
    expectStop(in, "'100 kVA' is not a valid integer value");
    EXPECT_EQ(report_.lines(), test::kTypicalReport.mid(0, 6));
    EXPECT_EQ(state_.S_rated, 630);
}

TEST_F(MagneticCalculationTest, ZeroDivisorsStopTheCalculation) {
    {
        SCOPED_TRACE("all packets zero: stops at the yoke induction");
        MagneticInputs in = typicalDesign();
        in.A.fill(QStringLiteral("0"));
        in.a.fill(QStringLiteral("0"));
        in.B.fill(QStringLiteral("0"));
        in.b.fill(QStringLiteral("0"));
        expectStop(in, "Floating point division by zero");
        QStringList expected = linesOf({
            "Actual area of the rod, m2 0,000",
            "Active area of the rod, m2 0,000",
            "Actual area of the yoke, m2 0,000",
            "Active area of the yoke, m2 0,000",
            "Circle diameter of the rod, m 0,000",
            "Full power transformer approximately, kVA 0,000",
        });
        expected += test::kTypicalReport.mid(6, 9);  // rated data of row 10, currents, 1.575 T
        EXPECT_EQ(report_.lines(), expected);
        EXPECT_EQ(state_.B_yoke, 0.0);
        EXPECT_TRUE(std::isfinite(state_.B_rod));
    }
    {
        SCOPED_TRACE("LV voltage 0: no transformer's, refused where it is read");
        MagneticInputs in = typicalDesign();
        in.Un = QStringLiteral("0");
        expectStop(in, "Ulv, kV must be above 0 and at most 1,2: 0");
        EXPECT_TRUE(report_.isEmpty());
    }
}

TEST_F(MagneticCalculationTest, SearchFailureLeavesTheCalculationUnsuccessful) {
    // 1512 data end at 1.5 T: the recommended 1.525 T is off its curve.
    MagneticInputs in = typicalDesign();
    in.steelIndex = 0;
    EXPECT_EQ(calculate(in), DesignStop::InductionOffCurve);
    EXPECT_EQ(report_.size(), kLinesBeforeSearch + 1);
    EXPECT_EQ(report_.last(), QStringLiteral("Unable to find a suitable magnetization steel rod 1,525 T"));
}

}  // namespace
}  // namespace dravik
