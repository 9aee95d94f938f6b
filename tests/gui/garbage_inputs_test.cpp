// Garbage in every input field, followed by the calculation buttons of its
// window: the program neither crashes nor hangs, no report line shows a
// value a transformer cannot have (an infinity, a NaN, a magnitude beyond
// 1e12), and the catalogues on disk stay as they were.
#include "gui/script_session.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace dravik::test {
namespace {

QStringList garbage() {
    return {QString(),
            QStringLiteral("abc"),
            QStringLiteral("-1"),
            QStringLiteral("0"),
            QStringLiteral("1e308"),
            QStringLiteral("1e-308"),
            QStringLiteral("nan"),
            QStringLiteral("inf"),
            QStringLiteral("12345678901234567890"),
            QStringLiteral("1,2,3"),
            QStringLiteral("   12   "),
            QString(10000, QLatin1Char('9'))};
}

// A field and the text that puts it back after its garbage.
using Field = std::pair<QString, QString>;

std::vector<Field> stageOneFields() {
    std::vector<Field> fields{{"Ed_C", "270"},           {"Ed_Lc", "400"},       {"Ed_Cok", "150"},
                              {"EtapI.Ed_dz", "0,35"},   {"Ed_h_B", "0,05"},     {"Ed_num_h_U", "2"},
                              {"Ed_h_U", "2,5"},         {"CB_Un", "0,38"},      {"CB_Uvn", "10"},
                              {"CB_Snom", "100"},        {"CB_Shem", "Y/Zn-11"}, {"CB_Dnom", "0,13"}};
    const QStringList rodWidths{"124", "113", "100", "83", "64", "39", "0", "0"};
    const QStringList rodThicknesses{"20", "13", "9", "8", "7", "5", "0", "0"};
    for (int i = 0; i < 8; ++i) {
        const QString n = QString::number(i + 1);
        fields.emplace_back("Ed_A" + n, rodWidths[i]);
        fields.emplace_back("Ed_a_" + n, rodThicknesses[i]);
        fields.emplace_back("Iarmo_razmery.Ed_B" + n, rodWidths[i]);
        fields.emplace_back("Iarmo_razmery.Ed_b_" + n, rodThicknesses[i]);
    }
    return fields;
}

// The winding fields; the current of the KU window counts for the KU only.
const std::vector<Field> kWindingFields{{"Ed_l_01", "15"}, {"Ed_a_01", "4"}, {"Ed_n_sl", "2"},
                                        {"Ed_ak", "4"},    {"Ed_nk", "1"},   {"Edi_K_t_nepl", "1,03"}};
const Field kKuCurrent{"Ed_In", "0,5"};

QString set(const QString& field, const QString& text) { return QStringLiteral("set %1 %2\n").arg(field, text); }

QString stageOneScript() {
    QString script = QStringLiteral("click Button9\n");
    for (const auto& [field, restore] : stageOneFields()) {
        for (const QString& text : garbage()) {
            script += set(field, text) + QStringLiteral("click Button_Raschet\nprint Memo_Result\nclick Button9\n");
        }
        script += set(field, restore) + QStringLiteral("click Button9\n");
    }
    return script;
}

// The KU of a Y/Yn-0 design in copper, whose winding fits the rod.
QString kuScript() {
    QString script = QStringLiteral(
        "choose CB_Shem Y/Yn-0\nclick Button9\nclick Button_Raschet\nclick But_EtapII\nchoose CB__mater Copper\n"
        "click Raschet_KU\nchoose RG_Nesimm_Regim enter Iн manual \n");
    std::vector<Field> fields = kWindingFields;
    fields.push_back(kKuCurrent);
    for (const auto& [field, restore] : fields) {
        for (const QString& text : garbage()) {
            script += QStringLiteral("choose CB_NN_VN Coil KU\n") + set(field, text) +
                      QStringLiteral("click Raschet_KU\nclick Raschet_obmotok_KU.Button1\nprint Memo_Rez_ob\n");
        }
        script += set(field, restore);
    }
    return script;
}

// The LV and HV of the typical zigzag design, which both complete: the LV
// of rectangular wire, the HV of round wire.
QString lvHvScript() {
    QString script = QStringLiteral("click Button9\nset Ed_C 300\nclick Button_Raschet\nclick But_EtapII\n");
    for (const auto& [field, restore] : kWindingFields) {
        for (const QString& text : garbage()) {
            script += QStringLiteral("choose CB_NN_VN Lower voltage\nchoose CB_c_r rect\n") + set(field, text) +
                      QStringLiteral("click RaschetObmotki_NN\nprint Memo_Rez_ob\nchoose CB_NN_VN Higher voltage\n") +
                      set(field, text) +
                      QStringLiteral("choose CB_c_r cikl\nclick Rasch_Obmotok\nprint Memo_Rez_ob\nprint Memo_KZ\n");
        }
        script += set(field, restore);
    }
    return script;
}

QString zigzagScript() {
    QString script = QStringLiteral("click Button9\nset Ed_C 300\nclick Button_Raschet\nclick But_EtapII\n"
                                    "click RaschetObmotki_NN\nclick Raschet_zigzag\n");
    for (const QString& text : garbage()) {
        script += set(QStringLiteral("Zigzag_parametry.Ed_b"), text) +
                  QStringLiteral("click Zeta_vvod\nchoose CB_NN_VN Higher voltage\nchoose CB_c_r cikl\n"
                                 "click Rasch_Obmotok\nprint Memo_Rez_ob\nclick Raschet_zigzag\n");
    }
    return script;
}

// Every number of the report lines (messages and refusals, which repeat
// the typed text, aside), F3/F1 with its exponent form included.
void expectOnlyPlausibleNumbers(const QStringList& lines) {
    static const QRegularExpression kNumber(QStringLiteral("-?\\d+(?:,\\d+)?(?:E[+-]\\d+)?"));
    static const QRegularExpression kNotANumber(QStringLiteral("\\b(?:Inf|NAN|Nan|nan|inf)\\b"));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("error: ")) || line.startsWith(QLatin1String("message: "))) continue;
        EXPECT_FALSE(kNotANumber.match(line).hasMatch()) << line.toStdString();
        for (auto match = kNumber.globalMatch(line); match.hasNext();) {
            const QString number = match.next().captured().replace(QLatin1Char(','), QLatin1Char('.'));
            EXPECT_LE(std::fabs(number.toDouble()), 1e12) << line.toStdString();
        }
    }
}

class GarbageInputs : public testing::Test {
protected:
    // `reached` is a line the campaign must have written, so that it is known
    // to have reached the calculations it tries.
    void runCampaign(const QString& script, const QString& reached) {
        session_.run(QStringLiteral("print Ed_C\n"));  // the catalogue folder as a start leaves it
        const QByteArray wires = session_.readFile(QStringLiteral("Provod.dat"));
        const QByteArray steels = session_.readFile(QStringLiteral("Stal.dat"));
        ASSERT_FALSE(wires.isEmpty());

        const ScriptOutput output = session_.run(script);
        EXPECT_EQ(output.exitCode, 0);  // neither a crash nor a hang
        ASSERT_FALSE(output.lines.isEmpty());
        EXPECT_FALSE(output.lines.last().startsWith(QLatin1String("script error")));
        expectOnlyPlausibleNumbers(output.lines);
        EXPECT_TRUE(output.lines.contains(reached)) << reached.toStdString();
        EXPECT_EQ(session_.readFile(QStringLiteral("Provod.dat")), wires);
        EXPECT_EQ(session_.readFile(QStringLiteral("Stal.dat")), steels);
    }

    ScriptSession session_;
};

TEST_F(GarbageInputs, StageOneAndTheYoke) {
    runCampaign(stageOneScript(), QStringLiteral("Current condition of idling coincided"));
}

TEST_F(GarbageInputs, TheKuWinding) { runCampaign(kuScript(), QStringLiteral("Обмотка КУ по оси разместима")); }

TEST_F(GarbageInputs, TheLvAndHvWindings) {
    runCampaign(lvHvScript(), QStringLiteral("HV winding is placed on the window width. Calculation of LV and HV "
                                             "winding is complete."));
}

TEST_F(GarbageInputs, TheZigzagAngle) {
    runCampaign(zigzagScript(), QStringLiteral("Number of winding loop II: 37"));
}

}  // namespace
}  // namespace dravik::test
