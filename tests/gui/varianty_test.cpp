#include "gui/script_session.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

// The design variants as a designer uses them: a sweep for the rating of
// Stage I, then "Apply" on a row, after which the windows' own reports must
// say what the row said. Each applied variant runs in a session of its own.
namespace dravik::test {
namespace {

// Columns of SG_Var as print writes them, tab separated.
enum Column { Induction = 7, P0 = 8, i0 = 9, Pk = 10, uk = 11, SteelMass = 12, ConductorMass = 13, Check = 16 };

// "print Varianty" writes the window's caption: a line no report holds,
// which separates the reports a script prints one after another.
const QString kSeparator = QStringLiteral("Design variants");

double number(QString text) {
    bool ok = false;
    const double value = text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    EXPECT_TRUE(ok) << text.toStdString();
    return value;
}

// The figure after `caption` on the last line of `lines` that starts with it.
std::optional<QString> lastFigure(const QStringList& lines, const QString& caption) {
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines[i].startsWith(caption)) return lines[i].mid(caption.size()).trimmed();
    }
    return std::nullopt;
}

double sumOfFigures(const QStringList& lines, const QStringList& captions) {
    double sum = 0;
    for (const QString& line : lines) {
        for (const QString& caption : captions) {
            if (line.startsWith(caption)) sum += number(line.mid(caption.size()).trimmed());
        }
    }
    return sum;
}

struct Sweep {
    QString setUp;       // Stage I choices, then the window opened and its ranges set
    QStringList rows;    // SG_Var as printed
};

Sweep runSweep(const ScriptSession& session, const QString& setUp) {
    const ScriptOutput output = session.run(setUp + QStringLiteral("click Varianty.But_Raschet\nprint Varianty.SG_Var\n"));
    EXPECT_EQ(output.exitCode, 0) << output.errors.toStdString();
    return {setUp, output.lines};
}

// The rows to apply: the first (the best, or the nearest to meeting every
// check), and the first row of every other kind of check failed.
QList<int> sampleRows(const QStringList& rows) {
    QList<int> sample;
    QSet<QString> kinds;
    for (int row = 0; row < rows.size(); ++row) {
        const QString check = rows[row].split(QLatin1Char('\t')).value(Check);
        const QString kind = check.section(QLatin1Char(' '), 0, 0);
        if (!kinds.contains(kind)) {
            kinds.insert(kind);
            sample.append(row);
        }
    }
    return sample;
}

// Applies row `row` and holds the windows' reports to the row's figures.
void expectApplyAgreesWithRow(const ScriptSession& session, const Sweep& sweep, int row) {
    SCOPED_TRACE(QStringLiteral("row %1: %2").arg(row).arg(sweep.rows[row]).toStdString());
    const ScriptOutput output = session.run(
        sweep.setUp +
        QStringLiteral("click Varianty.But_Raschet\npick Varianty.SG_Var %1\nclick Varianty.But_Primenitj\n"
                       "state EtapI.But_EtapII\nprint Varianty\nprint EtapI.Memo_Result\nprint Varianty\n"
                       "print EtapII.Memo_Rez_ob\nprint Varianty\nprint EtapII.Memo_KZ\n")
            .arg(row));
    ASSERT_EQ(output.exitCode, 0) << output.errors.toStdString();
    const QStringList cells = sweep.rows[row].split(QLatin1Char('\t'));
    const qsizetype first = output.lines.indexOf(kSeparator);
    const qsizetype second = output.lines.indexOf(kSeparator, first + 1);
    const qsizetype third = output.lines.indexOf(kSeparator, second + 1);
    ASSERT_GT(first, 0);
    ASSERT_GT(third, second);
    ASSERT_GT(second, first);
    // Only the refusals of a disabled button may come before the reports.
    for (const QString& line : output.lines.mid(0, first - 1)) EXPECT_FALSE(line.startsWith(QLatin1String("error:"))) << line.toStdString();
    const QStringList stage1 = output.lines.mid(first + 1, second - first - 1);
    const QStringList windings = output.lines.mid(second + 1, third - second - 1);
    const QStringList check = output.lines.mid(third + 1);

    if (!cells[SteelMass].isEmpty()) {
        const double steel = sumOfFigures(stage1, {QStringLiteral("mass magnetic rods, kg"), QStringLiteral("magnetic yoke weight, kg")});
        EXPECT_NEAR(steel, number(cells[SteelMass]), 0.051);
    }
    // A search that found no induction reports no final P0 and i0: the row
    // still shows where the search stopped.
    const bool handedOver = output.lines.first() == QLatin1String("EtapI.But_EtapII enabled=1 visible=0");
    const bool noLoadMet = !cells[Check].startsWith(QLatin1String("no-load"));
    EXPECT_EQ(handedOver, noLoadMet);
    if (!noLoadMet) {
        EXPECT_NE(stage1.last(), QLatin1String("Current condition of idling coincided"));
        return;
    }
    EXPECT_EQ(lastFigure(stage1, QStringLiteral("condition for no-load losses coincided, W: Рhh=")), cells[P0]);
    EXPECT_EQ(lastFigure(stage1, QStringLiteral("No-load current, %")), cells[i0]);

    const bool complete = !cells[Pk].isEmpty();
    EXPECT_EQ(check.size() > 1, complete);
    if (!complete) {
        // The winding that does not fit says so in its report.
        const QString kind = cells[Check].section(QLatin1Char(':'), 0, 0);
        const QString said = kind == QLatin1String("KU fit")      ? QStringLiteral("Обмотка КУ по оси НЕ разместима!!!")
                             : kind == QLatin1String("LV fit")    ? QStringLiteral("ОLV winding axis is not available!")
                             : kind == QLatin1String("HV height") ? QStringLiteral("HV winding is not placed on the axis!")
                             : kind == QLatin1String("HV width")  ? QStringLiteral("HV winding no company on the window width!")
                                                                  : QString();
        ASSERT_FALSE(said.isEmpty()) << cells[Check].toStdString();
        EXPECT_TRUE(std::any_of(windings.begin(), windings.end(), [&](const QString& line) { return line.startsWith(said); }));
        return;
    }
    EXPECT_EQ(lastFigure(windings, QStringLiteral("Induction final after adjusting the number of loop, T")), cells[Induction]);
    const double conductors = sumOfFigures(windings, {QStringLiteral("Weight aluminum, kg:"), QStringLiteral("Weight of copper, kg:")});
    EXPECT_NEAR(conductors, number(cells[ConductorMass]), 0.151);
    EXPECT_EQ(lastFigure(check, QStringLiteral("Short-circuit losses Pk, W:")), cells[Pk]);
    EXPECT_EQ(lastFigure(check, QStringLiteral("Short-circuit voltage uk, %:")), cells[uk]);
    const bool pkMeets = check.contains(QStringLiteral("Pk meets the standard (at most +10 %)"));
    const bool ukMeets = check.contains(QStringLiteral("uk meets the standard (within ±10 %)"));
    if (cells[Check] == QLatin1String("meets")) {
        EXPECT_TRUE(pkMeets && ukMeets);
    } else if (cells[Check].startsWith(QLatin1String("Pk "))) {
        EXPECT_FALSE(pkMeets);
        EXPECT_NEAR(number(cells[Check].section(QLatin1Char(' '), 1, 1)),
                    number(lastFigure(check, QStringLiteral("Deviation from the standard Pk=")).value_or(QString()).section(QLatin1Char(':'), 1, 1).trimmed()), 0.051);
    } else {
        ASSERT_TRUE(cells[Check].startsWith(QLatin1String("uk "))) << cells[Check].toStdString();
        EXPECT_TRUE(pkMeets);
        EXPECT_FALSE(ukMeets);
    }
}

void expectSampleAgrees(const QString& setUp) {
    const ScriptSession session;
    const Sweep sweep = runSweep(session, setUp);
    ASSERT_GT(sweep.rows.size(), 10);
    const QList<int> sample = sampleRows(sweep.rows);
    EXPECT_GE(sample.size(), 2);
    for (const int row : sample) expectApplyAgreesWithRow(session, sweep, row);
}

// The typical rating with both metals: the sweep's own defaults otherwise.
TEST(DesignVariants, ApplyAgreesWithTheRowFor100kVAStarZigzag) {
    expectSampleAgrees(QStringLiteral("click But_Varianty\ntick Varianty.ChB_Medj\ntick Varianty.ChB_Aljuminij\n"
                                      "set Varianty.Ed_Lc_shag 20\nset Varianty.Ed_C_shag 15\n"));
}

// Star with the KU winding in copper, three LV layer counts and two steels.
TEST(DesignVariants, ApplyAgreesWithTheRowFor250kVAStarStarWithTheKu) {
    expectSampleAgrees(QStringLiteral(
        "choose CB_Snom 250\nchoose CB_Shem Y/Yn-0\nclick But_Varianty\ntick Varianty.ChB_Medj\nuntick Varianty.ChB_Aljuminij\n"
        "tick Varianty.CLB_Stali 3405 GOST USSR 21427\n"
        "set Varianty.Ed_Lc_shag 40\nset Varianty.Ed_C_shag 20\nset Varianty.Ed_n_sl_ot 1\nset Varianty.Ed_n_sl_do 3\n"));
}

// Delta-star with the KU winding, two LV layer counts, the finest steps.
TEST(DesignVariants, ApplyAgreesWithTheRowFor40kVADeltaStar) {
    expectSampleAgrees(QStringLiteral(
        "choose CB_Snom 40\nchoose CB_Shem D/Yn-0\nclick But_Varianty\n"
        "set Varianty.Ed_Lc_shag 10\nset Varianty.Ed_C_shag 5\nset Varianty.Ed_n_sl_ot 2\nset Varianty.Ed_n_sl_do 3\n"));
}

// Apply from Stage II (the designer was looking at an earlier design's
// windings): the design file keeps only the actions on Stage I and Stage II,
// none of the variants window, and opening it gives the same reports. The
// table goes out as CSV in the order the grid shows, with its header.
TEST(DesignVariants, AppliedDesignIsSavedAsAHandMadeOneAndTheTableExports) {
    const ScriptSession session;
    const QString folder = session.dataDir();
    const ScriptOutput made = session.run(QStringLiteral(
        "click EtapI.But_Varianty\nset Varianty.Ed_Lc_shag 40\nset Varianty.Ed_C_shag 20\n"
        "click Button9\nset Ed_C 300\nclick Button_Raschet\nclick But_EtapII\n"
        "click Varianty.But_Raschet\nprint Varianty.Lab_Sostojanie\nprint Varianty.SG_Var\n"
        "pick Varianty.SG_Var 0\nclick Varianty.But_Primenitj\n"
        "print EtapI.Memo_Result\nprint EtapII.Memo_Rez_ob\nprint EtapII.Memo_KZ\n"
        "save %1/applied.dravik\nexport %1/variants.csv\n").arg(folder));
    ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
    ASSERT_FALSE(made.lines.isEmpty());
    // 5 diameters, lc 360 to 480 and C 243 to 324 by 40 and 20 mm.
    EXPECT_EQ(made.lines.first().toStdString(), "0 of 80 variants meet every check");
    const QStringList rows = made.lines.mid(1, 80);
    const QStringList reports = made.lines.mid(81);

    QFile design(QDir(folder).filePath(QStringLiteral("applied.dravik")));
    ASSERT_TRUE(design.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(design.readAll());
    EXPECT_FALSE(text.contains(QLatin1String("Varianty"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("click But_EtapII\nclick EtapII.Button1\nchoose CB_Dnom 0,13\nclick Button9\nset Ed_Lc 480\n")))
        << text.toStdString();

    const ScriptOutput opened = session.run(QStringLiteral(
        "open %1/applied.dravik\nprint EtapI.Memo_Result\nprint EtapII.Memo_Rez_ob\nprint EtapII.Memo_KZ\n").arg(folder));
    EXPECT_EQ(joined(opened.lines), joined(reports));

    QFile csv(QDir(folder).filePath(QStringLiteral("variants.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList csvLines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(csvLines.size(), 81);
    EXPECT_TRUE(csvLines.first().startsWith(QString::fromUtf8("Rank,\"D, m\",\"lс, mm\",\"C, mm\",Steel,")));
    // The first data row is the grid's first, with a decimal point.
    EXPECT_EQ(csvLines[1].section(QLatin1Char(','), 1, 3), rows.first().split(QLatin1Char('\t')).mid(1, 3).join(QLatin1Char(',')).replace(QLatin1String("0,13"), QLatin1String("0.13")));
}

// The rows hold for the rating they were made for: after a change of the
// power Apply refuses and the windows stay as they were. So it does while
// another window stands in the place of Stage I.
TEST(DesignVariants, ApplyRefusesWhenTheRatingChangedSinceTheSweep) {
    const ScriptSession session;
    const ScriptOutput output = session.run(QStringLiteral(
        "click But_Varianty\nset Varianty.Ed_Lc_shag 40\nset Varianty.Ed_C_shag 40\nclick Varianty.But_Raschet\n"
        "choose CB_Snom 63\npick Varianty.SG_Var 0\nclick Varianty.But_Primenitj\nprint EtapI.Memo_Result\n"
        "print EtapI.Ed_C\n"));
    EXPECT_EQ(joined(output.lines),
              "error: The inputs of Stage I or Stage II have changed since the variants were calculated: calculate "
              "the variants again\n\n0");

    // The steel editor in the place of Stage I: no press would go through.
    const ScriptOutput editing = session.run(QStringLiteral(
        "click But_Varianty\nset Varianty.Ed_Lc_shag 40\nset Varianty.Ed_C_shag 40\nclick Varianty.But_Raschet\n"
        "click Button10\npick Varianty.SG_Var 0\nclick Varianty.But_Primenitj\nprint EtapI.Memo_Result\n"));
    EXPECT_EQ(joined(editing.lines), "error: Go back to Stage I or Stage II first: Apply works in their windows\n");
}

}  // namespace
}  // namespace dravik::test
