#include "catalogues/provod_file.h"
#include "gui/script_session.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

// A D/Yn-0 design of the standard 100 kVA core takes the KU into account, so
// Stage II offers "Calculation KU", which opens the KU window.
const QString kOpenKu = QStringLiteral(
    "choose CB_Shem D/Yn-0\nclick Button9\nclick Button_Raschet\nclick But_EtapII\nclick Raschet_KU\n");

const QString kItem0 = QStringLiteral("Za=1,0; Zb=2Za; Zc=4Za.");
const QString kItem1 = QStringLiteral("Za=10,0; Zb=2Za; Zc=4Za.");
const QString kItem2 = QStringLiteral("disconnect of one phase А  Za=1,0; Zb=2Za; Zc=4Za.");
const QString kItem3 = QStringLiteral("enter Iн manual ");

QString choose(const QString& item) { return QStringLiteral("choose RG_Nesimm_Regim ") + item + QLatin1Char('\n'); }

TEST(KuWindow, OpensWithItsControlsAndDefaults) {
    ScriptSession session;
    const ScriptOutput output = session.run(
        kOpenKu +
        QStringLiteral("state Raschet_obmotok_KU\nprint Raschet_obmotok_KU\n"
                       "state Raschet_obmotok_KU.Image1\nstate Raschet_obmotok_KU.Image2\nstate Raschet_obmotok_KU.Memo1\n"
                       "print RG_Nesimm_Regim\nprint Raschet_obmotok_KU.Label1\nprint Ed_In\nstate Ed_In\n"
                       "print Raschet_obmotok_KU.Button1\n") +
        choose(kItem1) + QStringLiteral("print RG_Nesimm_Regim\n") + choose(kItem2) +
        QStringLiteral("print RG_Nesimm_Regim\n") + choose(kItem3) + QStringLiteral("print RG_Nesimm_Regim\n"));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines),
              "Raschet_obmotok_KU enabled=1 visible=1\n"
              "Расчет обмотки компенсационного устройства (КУ)\n"
              "Raschet_obmotok_KU.Image1 enabled=1 visible=1\n"
              "Raschet_obmotok_KU.Image2 enabled=1 visible=1\n"
              "Raschet_obmotok_KU.Memo1 enabled=1 visible=1\n"
              "Za=1,0; Zb=2Za; Zc=4Za.\n"
              "In, r. u. (Irat=1):\n"
              "0,5\n"
              "Ed_In enabled=0 visible=1\n"
              "Calculation KU\n"
              "Za=10,0; Zb=2Za; Zc=4Za.\n"
              "disconnect of one phase А  Za=1,0; Zb=2Za; Zc=4Za.\n"
              "enter Iн manual ");
}

// The typed current only counts for "enter Iн manual": choosing it opens the
// field, another choice leaves the field alone, and only a new opening of the
// (hidden) window closes the field again.
TEST(KuWindow, ManualCurrentFieldFollowsTheChoiceAndTheOpening) {
    ScriptSession session;
    const ScriptOutput output = session.run(
        kOpenKu + QStringLiteral("state Ed_In\n") + choose(kItem1) + QStringLiteral("state Ed_In\n") + choose(kItem3) +
        QStringLiteral("state Ed_In\n") + choose(kItem0) + QStringLiteral("state Ed_In\n") +
        // Asked to open again while it is open: nothing is reset.
        QStringLiteral("click Raschet_KU\nstate Ed_In\n") +
        // Closed and opened again on item 0: the field closes.
        QStringLiteral("click Raschet_obmotok_KU\nclick Raschet_KU\nstate Ed_In\n") +
        // Closed and opened again on item 3: the field stays open.
        choose(kItem3) + QStringLiteral("click Raschet_obmotok_KU\nclick Raschet_KU\nstate Ed_In\nprint RG_Nesimm_Regim\n"));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(joined(output.lines),
              "Ed_In enabled=0 visible=1\n"
              "Ed_In enabled=0 visible=1\n"
              "Ed_In enabled=1 visible=1\n"
              "Ed_In enabled=1 visible=1\n"
              "Ed_In enabled=1 visible=1\n"
              "Ed_In enabled=0 visible=1\n"
              "Ed_In enabled=1 visible=1\n"
              "enter Iн manual ");
}

// The LV line current of 100 kVA at 0,38 kV is 100000 / (√3 · 380) = 151,934 A;
// the KU current is the neutral current of the chosen unbalance.
struct UnbalanceCase {
    const char* name;
    QString item;
    QString current;   // typed into Ed_In, or empty
    const char* line;  // the current line of the report
};

class KuWindowUnbalance : public ::testing::TestWithParam<UnbalanceCase> {};

TEST_P(KuWindowUnbalance, CalculationTakesTheChosenItemAndHides) {
    const UnbalanceCase& c = GetParam();
    // A current is typed while "enter Iн manual" has the field open; the
    // item is chosen after it.
    QString script = kOpenKu;
    if (!c.current.isEmpty()) script += choose(kItem3) + QStringLiteral("set Ed_In ") + c.current + QLatin1Char('\n');
    script += choose(c.item);
    script += QStringLiteral("click Raschet_obmotok_KU.Button1\nstate Raschet_obmotok_KU\nprint Memo_Rez_ob\n");
    ScriptSession session;
    const ScriptOutput output = session.run(script);
    ASSERT_GE(output.lines.size(), 3) << joined(output.lines);
    EXPECT_EQ(output.lines[0].toStdString(), "Raschet_obmotok_KU enabled=1 visible=0");
    EXPECT_EQ(output.lines[2].toStdString(), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Items, KuWindowUnbalance,
    ::testing::Values(
        UnbalanceCase{"RatedLoad", kItem0, {}, "Ток в обмотке КУ, А 94,655"},            // 0,623 · 151,934
        UnbalanceCase{"TenthLoad", kItem1, {}, "Ток в обмотке КУ, А 10,028"},            // 0,066 · 151,934
        UnbalanceCase{"OnePhaseOpenAsRatedLoad", kItem2, {}, "Ток в обмотке КУ, А 94,655"},
        UnbalanceCase{"ManualComma", kItem3, QStringLiteral("0,2"), "Ток в обмотке КУ, А 30,387"},
        UnbalanceCase{"ManualPoint", kItem3, QStringLiteral("0.2"), "Ток в обмотке КУ, А 30,387"},
        // The typed current counts for item 3 only.
        UnbalanceCase{"TypedButNotManual", kItem1, QStringLiteral("0,2"), "Ток в обмотке КУ, А 10,028"}),
    [](const ::testing::TestParamInfo<UnbalanceCase>& info) { return std::string(info.param.name); });

TEST(KuWindow, StaysOpenWhenTheTypedCurrentIsNotANumber) {
    ScriptSession session;
    const ScriptOutput output = session.run(
        kOpenKu + choose(kItem3) +
        QStringLiteral("set Ed_In abc\nclick Raschet_obmotok_KU.Button1\nstate Raschet_obmotok_KU\nprint Ed_In\n"));
    EXPECT_EQ(joined(output.lines),
              "error: 'abc' is not a valid floating point value\n"
              "Raschet_obmotok_KU enabled=1 visible=1\n"
              "abc");
}

WireRecord roundAluminiumWire() {
    WireRecord wire;
    wire.Tip = QByteArrayLiteral("Round 2,0");
    wire.Vid = roundShapeCode();
    wire.D = 2.0;
    wire.s = 3.142;
    wire.delta2 = 0.3;
    wire.Mater = QByteArrayLiteral("Aluminum");
    return wire;
}

// A catalogue with no rectangular wire: the search finds nothing and the
// window stays open; the next press works with the conductor the user has
// chosen, which before any grid pick is the catalogue's first wire (here
// round, so the run stops again with the window open).
TEST(KuWindow, WithoutAPickTheFirstCatalogueWireIsTheChosenOne) {
    ScriptSession session;
    session.writeFile(QStringLiteral("Provod.dat"), writeProvodImage({roundAluminiumWire()}));
    const ScriptOutput output = session.run(
        kOpenKu + QStringLiteral("click Raschet_obmotok_KU.Button1\nstate Raschet_obmotok_KU\n"
                                 "click Raschet_obmotok_KU.Button1\nstate Raschet_obmotok_KU\nprint Memo_Rez_ob\n"));
    ASSERT_EQ(output.exitCode, 0);
    EXPECT_EQ(output.lines.value(0).toStdString(), "Raschet_obmotok_KU enabled=1 visible=1");
    EXPECT_EQ(output.lines.value(1).toStdString(), "Raschet_obmotok_KU enabled=1 visible=1");
    EXPECT_TRUE(output.lines.contains(
        QStringLiteral("Окончательно выбраный тип провода обмотки КУ: Round 2,0 3,142мм2 парал сечен a=1")))
        << joined(output.lines);
}

}  // namespace
}  // namespace dravik::test
