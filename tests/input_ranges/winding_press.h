#pragma once

#include "common/command_error.h"
#include "common/number_text.h"
#include "common/report.h"
#include "design/stage2_effects.h"
#include "input_ranges/range_case.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <optional>

// One press of a winding calculation with one field typed, and the checks
// every winding field shares: just inside its range the press goes on, just
// outside it stops with text 15 where a text that is no number would stop
// it, and a field whose first "." its step makes "," is shown so.
namespace dravik::test {

struct Press {
    std::optional<CommandError> failure;
    QStringList memo;
    Stage2Effects effects;
};

// Runs `calculate(memo, effects)` on a memo that holds an earlier line.
template <typename Calculate>
Press press(Calculate&& calculate) {
    Press p;
    Report memo{QStringList{QStringLiteral("an earlier line")}};
    try {
        calculate(memo, p.effects);
    } catch (const CommandError& error) {
        p.failure = error;
    }
    p.memo = memo.lines();
    return p;
}

// The text a field shows once its step read it, for the fields so treated.
inline std::optional<QString> shownText(const Stage2Effects& effects, const std::string& control) {
    if (control == "Ed_l_01") return effects.l_01Text;
    if (control == "Edi_K_t_nepl") return effects.k_tText;
    if (control == "Ed_ak") return effects.akText;
    if (control == "Ed_a_01") return effects.a_01Text;
    return std::nullopt;
}

class WindingRanges : public testing::TestWithParam<RangeCase> {
protected:
    virtual Press pressWith(const std::string& typed) = 0;

    void expectInsideGoesOn() {
        for (const std::string& typed : GetParam().inside) {
            SCOPED_TRACE(typed);
            const Press p = pressWith(typed);
            if (p.failure) {
                EXPECT_NE(p.failure->field().toStdString(), GetParam().control) << p.failure->text().toStdString();
            }
        }
    }

    void expectOutsideRefused() {
        const RangeCase& c = GetParam();
        const QStringList linesOfANonNumber = pressWith("x").memo;
        for (const std::string& typed : c.outside) {
            SCOPED_TRACE(typed);
            const Press p = pressWith(typed);
            ASSERT_TRUE(p.failure.has_value());
            const QString asRead = firstPointToComma(QString::fromStdString(typed));
            EXPECT_EQ(p.failure->text().toStdString(), c.caption + " must be " + c.words + ": " + asRead.toStdString());
            EXPECT_EQ(p.failure->field().toStdString(), c.control);
            EXPECT_EQ(p.memo, linesOfANonNumber);
            if (const auto shown = shownText(p.effects, c.control)) {
                EXPECT_EQ(*shown, asRead);
            }
        }
    }
};

inline std::string caseName(const testing::TestParamInfo<RangeCase>& info) { return info.param.name; }

}  // namespace dravik::test
