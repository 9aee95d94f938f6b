#include "ku_lv/ku_lv_support.h"

#include "common/command_error.h"
#include "windings/ku_winding.h"
#include "windings/lv_turns.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

// Hand calculation for the KU of the 100 kVA Y/Yn-0 aluminium design, item 0:
// I_ku = 0.623·151.934 = 94.655 A, J_av 2.5, s = 37.862 mm², w_lv 57,
// w_ku 19 in one layer, h = 0.37/(20·1.03) = 17.96 mm, limit 370 mm.
namespace dravik {
namespace {

using test::rectWire;

const QString kRepeatGuard = QStringLiteral("Провод не выбран. Выберите провод для продолжения расчета");
const QString kNotFound = QStringLiteral("Подходящий провод КУ не подобран!");

class KuWinding : public ::testing::Test {
protected:
    void run(const std::vector<WireRecord>& catalogue = {}) {
        calculateKu(in, design, state, catalogue, memo, effects);
    }
    void pick(const WireRecord& wire) {
        state.ku_wire_picked = true;
        state.chosen_wire = wire;
    }

    DesignState design = test::design100kVA(kSchemeYYn0);
    Stage2State state;
    KuInputs in = test::kuInputs();
    Report memo{QStringList{QStringLiteral("an earlier line")}};
    Stage2Effects effects;
};

TEST_F(KuWinding, SearchedStripGivesTheWholeLayout) {
    run({rectWire("APB 2,24x17", 2.24, 17, 37.6), rectWire("APB 2,24x17", 2.24, 17, 37.6, "Copper")});
    const QStringList expected = {
        "число витков в обмотке одной фазы KU 19",
        "Ток в обмотке КУ, А 94,655",
        "ориентировочная средняя плотность тока обмотки КУ А/мм2: 2,500",
        "Ориентировочное сечение провода КУ, мм2: 37,862",
        "число витков в одном слое обмотки КУ: 19",
        "изоляционное расстояние от ярм, м: 0,015",
        "к-т неплотности 1,015..1,03: 1,030",
        "ориентировочный осевой размер витка КУ, м: 0,018",
        "Выбраный тип провода: APB 2,24x17 37,600",
        "Окончательно выбраный тип провода обмотки КУ: APB 2,24x17 37,600мм2 парал сечен a=1",
        "уточненная высота витка, мм: 17,000",
        "уточненная ширина витка, мм: 2,240",
        "высота цилиндра (осевой размер) обмотки НН l_ku, мм: 350,200",  // 20·17·1.03
        "разместимость обмотки КУ по оси стержня l_ku<=((Lc_razm)-(2*l_01)), мм: 370,000",
        "Обмотка КУ по оси разместима",
        "ширина канала, мм: 4,000",
        "число каналов охл: 0,000",
        "главная изоляция от стержня, мм: 4,000",
        "найдем радиальный размер обмотки КУ, мм: 2,240",
        "внутренний диаметр цилиндра КУ, мм: 148,000",
        "наружный диаметр  цилиндра обмотки КУ, мм: 152,480",
    };
    EXPECT_EQ(memo.lines(), expected);
    EXPECT_TRUE(state.ku_done);
    EXPECT_TRUE(state.ku_wire_found);
    EXPECT_EQ(state.ku.ku_wire.mater(), QStringLiteral("Aluminum"));
    EXPECT_TRUE(effects.hideKuWindow);
    EXPECT_EQ(effects.calculateHvEnabled, false);
    EXPECT_EQ(effects.catalogueControlsEnabled, true);
    EXPECT_EQ(effects.parallelSpinEnabled, true);

    // Nothing changed and no new pick: only the guard line is added.
    const QStringList before = memo.lines();
    run({rectWire("APB 2,24x17", 2.24, 17, 37.6)});
    EXPECT_EQ(memo.lines(), before + QStringList{kRepeatGuard});
    // Another current starts the KU afresh.
    in.unbalanceItem = 1;
    run({rectWire("APB 2,24x17", 2.24, 17, 37.6)});
    EXPECT_EQ(memo.lines()[1], QStringLiteral("Ток в обмотке КУ, А 10,028"));  // 0.066·151.934
}

TEST_F(KuWinding, CurrentFollowsTheUnbalanceItem) {
    design.I_lv = 577.4;
    const struct {
        int item;
        const char *In, *line;
    } cases[] = {
        {0, "0,5", "Ток в обмотке КУ, А 359,720"},
        {1, "0,5", "Ток в обмотке КУ, А 38,108"},
        {2, "0,5", "Ток в обмотке КУ, А 359,720"},  // one phase open: sized as item 0
        {3, "0.5", "Ток в обмотке КУ, А 288,700"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        state = Stage2State{};
        in.unbalanceItem = c.item;
        in.In = QString::fromUtf8(c.In);
        run();
        EXPECT_EQ(memo.lines()[1], QString::fromUtf8(c.line));
        EXPECT_EQ(memo.last(), kNotFound);
    }
}

TEST_F(KuWinding, TurnsAreAThirdOfTheLvTurns) {
    for (const auto& [lvTurnsExact, line] : {std::pair{46.2, "число витков в обмотке одной фазы KU 15"},
                                             std::pair{47.2, "число витков в обмотке одной фазы KU 16"}}) {
        SCOPED_TRACE(line);
        design.U_lv_ph = lvTurnsExact * 222 * 1.625 * 0.0106764 / 1000;
        run();
        EXPECT_EQ(memo.lines()[0], QString::fromUtf8(line));
    }
}

TEST_F(KuWinding, DensityFollowsMaterialAndPower) {
    const struct {
        const char* material;
        double S_kVA, J_av;
    } cases[] = {
        {"Copper", 25, 2.2},    {"Copper", 40, 2.2},      {"Copper", 63, 3.5},    {"Copper", 400, 3.5},
        {"Copper", 500, 9.75},  {"Copper", 630, 3.5},     {"Aluminum", 25, 1.8},  {"Aluminum", 40, 1.8},
        {"Aluminum", 63, 2.5},  {"Aluminum", 630, 2.5},   {"Aluminum", 50, 9.75},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.material).arg(c.S_kVA).toStdString());
        state.lv.J_av = 9.75;  // left by an earlier calculation
        design.S_rated = c.S_kVA;
        in.material = QString::fromUtf8(c.material);
        run();
        EXPECT_EQ(state.lv.J_av, c.J_av);
    }
}

TEST_F(KuWinding, SmallCopperSectionIsSearchedAsTheSmallestStrip) {
    in.material = QStringLiteral("Copper");
    in.unbalanceItem = 3;
    in.In = QStringLiteral("1");
    design.I_lv = 14;  // 14 A at 3.5 A/mm² needs 4 mm²
    run({rectWire("PB 1x4", 1, 4, 4, "Copper"), rectWire("PB 1,12x4,5", 1.12, 4.5, 5.04, "Copper")});
    EXPECT_EQ(memo.lines()[3], QStringLiteral("Ориентировочное сечение провода КУ, мм2: 4,000"));
    EXPECT_EQ(state.ku.s_ku_est, 5.04);
    EXPECT_EQ(memo.lines().mid(8, 2),
              QStringList({"Высота hв больше b выбранного проводника. Предлагаются параллельные сечения со "
                           "следующими проводниками:",
                           "Выбраный тип провода обмотки КУ: PB 1,12x4,5 5,040мм2 парал сечен a=1 Соответствует на "
                           "100,000%"}));
}

TEST_F(KuWinding, SearchPassesListEveryImprovement) {
    const QString warning = QStringLiteral("Нежелательное число параллельных ветвей! Желательно до 4, не более 6 при "
                                           "намотке плашмя и до 6, не более 8 на ребро!");
    const struct {
        const char* name;
        std::vector<WireRecord> catalogue;
        QStringList lines;  // from the pass's first line on
        int n_par_ku;
    } cases[] = {
        {"later single strip replaces the earlier",
         {rectWire("A", 2, 17, 37.0), rectWire("B", 2, 18, 38.0)},
         {"Выбраный тип провода: A 37,000", "Выбраный тип провода: B 38,000",
          "Окончательно выбраный тип провода обмотки КУ: B 38,000мм2 парал сечен a=1"},
         1},
        {"closer total replaces, an equal one does not",
         {rectWire("P4", 1.8, 5, 8.6), rectWire("P6", 1.6, 4, 6.3), rectWire("P6b", 1.6, 4, 6.3)},
         {"Высота hв больше b выбранного проводника. Предлагаются параллельные сечения со следующими проводниками:",
          "Выбраный тип провода обмотки КУ: P4 8,600мм2 парал сечен a=4 Соответствует на 90,856%",
          "Выбраный тип провода обмотки КУ: P6 6,300мм2 парал сечен a=6 Соответствует на 99,836%", warning,
          "Окончательно выбраный тип провода обмотки КУ: P6 6,300мм2 парал сечен a=6"},
         6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state = Stage2State{};
        run(c.catalogue);
        EXPECT_EQ(memo.lines().mid(8, c.lines.size()), c.lines);
        EXPECT_EQ(state.ku.n_par_ku, c.n_par_ku);
    }
}

TEST_F(KuWinding, NoStripLeavesTheChoiceToTheUser) {
    run({test::roundWire("R", 7, 37.862), rectWire("tiny", 0.1, 0.1, 1e-9), blankPlaceholder()});
    EXPECT_EQ(memo.lines().mid(8),
              QStringList({"Высота hв больше b выбранного проводника. Предлагаются параллельные сечения со "
                           "следующими проводниками:",
                           kNotFound}));
    EXPECT_TRUE(state.ku_manual_par);
    EXPECT_FALSE(state.ku_done);
    EXPECT_EQ(effects.parallelSpinEnabled, true);
    EXPECT_EQ(effects.catalogueControlsEnabled, true);
    EXPECT_FALSE(effects.hideKuWindow);

    // The next press takes the grid pick and the SE_a count; a round wire has no sides.
    pick(test::roundWire("R", 7, 37.862));
    in.parallelSpin = 2;
    run();
    EXPECT_EQ(memo.lines().mid(8),
              QStringList({"Окончательно выбраный тип провода обмотки КУ: R 37,862мм2 парал сечен a=2",
                           "У проводника нет размеров a и b! Выберите прямоугольный проводник и повторите расчет!"}));
    EXPECT_TRUE(state.ku_manual_par);
}

TEST_F(KuWinding, RodCheckIsInclusiveAndOnlyAFittingKuIsDone) {
    in.k_t = QStringLiteral("1");  // 20 turns' room: 20·18.5·1 = 370 mm = limit
    for (const double b : {18.5, std::nextafter(18.5, std::numeric_limits<double>::infinity())}) {
        SCOPED_TRACE(b);
        const bool fits = b == 18.5;
        effects = {};
        pick(rectWire("APB 2x18,5", 2, b, 37));
        run();
        const QStringList placement =
            fits ? QStringList{"разместимость обмотки КУ по оси стержня l_ku<=((Lc_razm)-(2*l_01)), мм: 370,000",
                               "Обмотка КУ по оси разместима"}
                 : QStringList{"разместимость обмотки КУ по оси стержня l_ku<=((Lc_razm*1000)-(2*l_01*1000)), мм: "
                               "370,000",
                               "Обмотка КУ по оси НЕ разместима!!! Выберите другое сочетание сечения и к-в парал "
                               "витков!"};
        EXPECT_EQ(memo.lines().mid(12, 2), placement);
        EXPECT_EQ(memo.size(), 20);  // the diameters follow either way
        EXPECT_EQ(state.ku_done, fits);
        EXPECT_EQ(state.fit.ku_on_rod, fits);
        EXPECT_EQ(state.ku_manual_par, !fits);
        EXPECT_TRUE(effects.hideKuWindow);
        EXPECT_EQ(effects.calculateHvEnabled, false);
    }
}

TEST_F(KuWinding, RadialSizeCountsEveryLayerAndTheBoard) {
    in.n_sl = QStringLiteral("2");
    in.nk = QStringLiteral("1");
    in.boardIndex = 1;  // two boards of 0.5 mm
    pick(rectWire("APB 2,24x17", 2.24, 17, 37.6));
    run();
    EXPECT_EQ(memo.lines().mid(17), QStringList({"найдем радиальный размер обмотки КУ, мм: 9,480",  // 1 + 2·2.24 + 4
                                                 "внутренний диаметр цилиндра КУ, мм: 148,000",
                                                 "наружный диаметр  цилиндра обмотки КУ, мм: 166,960"}));
}

TEST_F(KuWinding, RefusedLayerCountAndLayingCoefficientStopWhereRead) {
    for (const auto& [n_sl, k_t, error, linesBefore] :
         {std::tuple{"0", "1,03", "Number of layers must be at least 1", 4},
          std::tuple{"1", "0", "Laying coefficient must be greater than 0", 6}}) {
        SCOPED_TRACE(error);
        in.n_sl = QString::fromUtf8(n_sl);
        in.k_t = QString::fromUtf8(k_t);
        try {
            run();
            ADD_FAILURE() << "no error";
        } catch (const CommandError& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(error));
        }
        EXPECT_EQ(memo.size(), linesBefore);
    }
}

}  // namespace
}  // namespace dravik
