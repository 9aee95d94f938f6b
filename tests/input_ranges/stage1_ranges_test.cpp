#include "catalogues/steel_catalogue.h"
#include "common/command_error.h"
#include "design/input_ranges.h"
#include "input_ranges/range_case.h"
#include "magnetic/core_geometry.h"
#include "magnetic/magnetic_calculation.h"
#include "magnetic/typical_design_report.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

// Every numeric input of Stage I and the yoke window at the edges of the
// range a transformer can have: just inside it the calculation goes on as
// it always did, just outside it stops with "L must be R: T" naming the
// field, where the field is read and before the line of its step, exactly
// where a text that is no number stops it.
namespace dravik {
namespace test {

std::vector<RangeCase> stage1Cases() {
    std::vector<RangeCase> cases{
        {"C", "Ed_C", "C, mm", "above 0 and at most 5000", {"0,001", "5000"}, {"0", "-270", "5000,001"}},
        {"Lc", "Ed_Lc", "lс, mm", "above 0 and at most 5000", {"1", "5000"}, {"0", "5001"}},
        {"Cok", "Ed_Cok", "Cос, mm", "0 to 5000", {"0", "5000"}, {"-0,001", "5000,5"}},
        {"SheetThickness", "Ed_dz", "Sheet thickness, mm", "above 0 and at most 5", {"0,001", "5"}, {"0", "5,01"}},
        {"InductionStep", "Ed_h_B", "Increment induction", "above 0 and at most 1", {"0,001", "1"}, {"1,001", "1e3"}},
        {"TapStep", "Ed_h_U", "Step control. Uhv, %", "0 to 25", {"0", "25"}, {"25,1"}},
        {"Power", "CB_Snom", "S, kW", "above 0 and at most 10000", {"100", "10000"}, {"0", "-100", "10001"}},
        {"HvVoltage", "CB_Uvn", "Uhv, kV", "above 0 and at most 35", {"0,4", "35"}, {"0", "35,5", "1e308"}},
        {"LvVoltage", "CB_Un", "Ulv, kV", "above 0 and at most 1,2", {"0,22", "1,2"}, {"0", "-0,38", "1,21"}},
    };
    for (int i = 1; i <= 8; ++i) {
        const std::string n = std::to_string(i);
        for (auto [prefix, caption, name] : {std::tuple{"Ed_A", "А", "RodWidth"}, {"Ed_a_", "а", "RodThickness"},
                                             {"Ed_B", "B", "YokeWidth"}, {"Ed_b_", "b", "YokeThickness"}}) {
            cases.push_back({name + n, prefix + n, caption + n + ", mm", "0 to 2000", {"0", "2000"}, {"-1", "2000,001"}});
        }
    }
    return cases;
}

}  // namespace test

namespace {

using test::RangeCase;

// The field of `in` behind `control`.
NumberInput& fieldOf(MagneticInputs& in, const QString& control) {
    struct Named {
        const char* control;
        NumberInput MagneticInputs::*text;
    };
    static const Named kFields[] = {
        {"Ed_C", &MagneticInputs::C},       {"Ed_Lc", &MagneticInputs::Lc},     {"Ed_Cok", &MagneticInputs::Cok},
        {"Ed_dz", &MagneticInputs::dz},     {"Ed_h_B", &MagneticInputs::hB},    {"Ed_h_U", &MagneticInputs::hU},
        {"CB_Snom", &MagneticInputs::snom}, {"CB_Uvn", &MagneticInputs::Uvn},   {"CB_Un", &MagneticInputs::Un},
    };
    for (const Named& field : kFields) {
        if (control == QLatin1String(field.control)) return in.*field.text;
    }
    const auto packet = [&](const char* prefix, std::array<NumberInput, 8>& packets) -> NumberInput* {
        const QString p = QLatin1String(prefix);
        if (!control.startsWith(p)) return nullptr;
        bool ok = false;
        const int number = control.mid(p.size()).toInt(&ok);
        return ok ? &packets[static_cast<size_t>(number - 1)] : nullptr;
    };
    for (auto [prefix, packets] : {std::pair{"Ed_A", &in.A}, {"Ed_a_", &in.a}, {"Ed_B", &in.B}, {"Ed_b_", &in.b}}) {
        if (NumberInput* text = packet(prefix, *packets)) return *text;
    }
    throw std::logic_error("no such field " + control.toStdString());
}

class Stage1Ranges : public testing::TestWithParam<RangeCase> {
protected:
    // Runs the typical design with `typed` in the field; the failure, if any.
    std::optional<CommandError> calculateWith(const std::string& typed) {
        MagneticInputs in = test::typicalDesign();
        fieldOf(in, QString::fromStdString(GetParam().control)) = QString::fromStdString(typed);
        report_ = Report(QStringList{QStringLiteral("an old report")});
        state_ = DesignState();
        try {
            calculateMagneticCircuit(in, steels_, state_, results_, report_);
        } catch (const CommandError& error) {
            return error;
        }
        return std::nullopt;
    }

    std::vector<SteelEntry> steels_ = SteelCatalogue().entries();
    DesignState state_;
    Stage1Results results_;
    Report report_;
};

TEST_P(Stage1Ranges, InsideTheRangeTheCalculationGoesOn) {
    const QString control = QString::fromStdString(GetParam().control);
    for (const std::string& typed : GetParam().inside) {
        SCOPED_TRACE(typed);
        const std::optional<CommandError> failure = calculateWith(typed);
        if (failure) {
            EXPECT_NE(failure->field(), control) << failure->text().toStdString();
        }
        EXPECT_GE(report_.size(), 7);  // at least the sections and the estimate
    }
}

TEST_P(Stage1Ranges, OutsideTheRangeItStopsWhereANonNumberWould) {
    const RangeCase& c = GetParam();
    calculateWith("x");
    const QStringList linesOfANonNumber = report_.lines();
    for (const std::string& typed : c.outside) {
        SCOPED_TRACE(typed);
        const std::optional<CommandError> failure = calculateWith(typed);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->text().toStdString(), c.caption + " must be " + c.words + ": " + typed);
        EXPECT_EQ(failure->field().toStdString(), c.control);
        EXPECT_EQ(report_.lines(), linesOfANonNumber);
        EXPECT_FALSE(results_.areCurrentFor(test::typicalDesign()));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryInput, Stage1Ranges, testing::ValuesIn(test::stage1Cases()),
                         [](const testing::TestParamInfo<RangeCase>& info) { return info.param.name; });

TEST(InputRangesTable, EveryRangedInputIsExercised) {
    std::set<std::string> covered{"CB_Dnom"};  // read by "Pick sheets for power" only, below
    for (const auto& cases : {test::stage1Cases(), test::lvCases(), test::kuCases(), test::hvCases()}) {
        for (const RangeCase& c : cases) covered.insert(c.control);
    }
    for (const RangedInput& input : kRangedInputs) EXPECT_TRUE(covered.count(input.control)) << input.control;
}

// "Pick sheets for power" reads the power and the diameter with the same
// ranges; what it decided before the refusal stays decided.
TEST(PickSheetsRanges, PowerAndDiameterAreRefusedOutsideTheirRanges) {
    struct Case {
        const char *snom, *dnom, *error, *field;
        bool windowDecided;
    } cases[] = {
        {"0", "0,13", "S, kW must be above 0 and at most 10000: 0", "CB_Snom", false},
        {"10000,5", "0,13", "S, kW must be above 0 and at most 10000: 10000,5", "CB_Snom", false},
        {"100", "0", "Diameter of rod, m must be above 0 and at most 2: 0", "CB_Dnom", true},
        {"100", "2,001", "Diameter of rod, m must be above 0 and at most 2: 2,001", "CB_Dnom", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        CoreGeometryMemory memory;
        CoreGeometryResult out;
        try {
            pickStandardSheets({QString::fromUtf8(c.snom), QString::fromUtf8(c.dnom), false}, memory, out);
            ADD_FAILURE() << "accepted";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text().toStdString(), c.error);
            EXPECT_EQ(error.field().toStdString(), c.field);
        }
        EXPECT_EQ(out.windowTexts.has_value(), c.windowDecided);
        EXPECT_FALSE(out.A.has_value());
    }
    for (const char* dnom : {"0,001", "2"}) {
        SCOPED_TRACE(dnom);
        CoreGeometryMemory memory;
        CoreGeometryResult out;
        EXPECT_NO_THROW(pickStandardSheets({QStringLiteral("10000"), QString::fromUtf8(dnom), false}, memory, out));
    }
}

}  // namespace
}  // namespace dravik
