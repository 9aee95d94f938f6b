#include "explorer/variant_table.h"

#include "common/number_text.h"
#include "magnetic/core_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace dravik {
namespace {

bool known(double figure) { return !std::isnan(figure); }

QString withPoint(QString number, QChar point) { return number.replace(QLatin1Char(','), point); }

// A figure as the reports write it (F3, F1), with the decimal sign asked for;
// empty when the variant never reached it.
QString reportFigure(double figure, QChar point, QString (*format)(double)) {
    return known(figure) ? withPoint(format(figure), point) : QString();
}

QString fixed(double figure, int decimals, QChar point) {
    if (!known(figure)) return {};
    return QString::number(figure, 'f', decimals).replace(QLatin1Char('.'), point);
}

// A miss with its sign: "+0,5".
QString signedMiss(double miss, QChar point) {
    return (miss > 0 ? QStringLiteral("+") : QString()) + fixed(miss, 1, point);
}

QString joinedCheck(const char* check, const QString& detail) { return QString::fromUtf8(check) + detail; }

// The checks of a whole design in the order it meets them; a refusal
// comes nowhere.
int nearness(const VariantResult& r) { return r.stop == DesignStop::Refused ? -1 : static_cast<int>(r.stop); }

// A missing figure sorts after every known one.
double knownFirst(double figure) { return known(figure) ? figure : HUGE_VAL; }

double figureOf(const VariantResult& r, VariantColumn column) {
    switch (column) {
    case VariantColumn::Diameter: return r.variant.diameterItem;
    case VariantColumn::WindowHeight: return r.variant.lc_mm;
    case VariantColumn::RodSpacing: return r.variant.C_mm;
    case VariantColumn::LvLayers: return r.variant.lvLayers;
    case VariantColumn::Induction: return r.B_T;
    case VariantColumn::P0: return r.P0_W;
    case VariantColumn::i0: return r.i0_pct;
    case VariantColumn::Pk: return r.Pk_W;
    case VariantColumn::uk: return r.uk_pct;
    case VariantColumn::SteelMass: return r.steel_kg;
    case VariantColumn::ConductorMass: return r.conductor_kg;
    case VariantColumn::Cost: return r.cost;
    case VariantColumn::OwningCost: return r.owningCost;
    default: return kNoFigure;
    }
}

// RFC 4180: a field with a comma, a quote or a line break goes in quotes,
// its quotes doubled.
QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QString checkText(const VariantResult& r, QChar point) {
    switch (r.stop) {
    case DesignStop::None: return QStringLiteral("meets");
    case DesignStop::NoRollingType: return QStringLiteral("no-load: the steel has no rolling type");
    case DesignStop::NoRatedData: return QStringLiteral("no-load: no rated data for the power and HV voltage");
    case DesignStop::InductionOffCurve:
        return joinedCheck("no-load: B ", fixed(r.B_T, 3, point) + QStringLiteral(" T off the steel's curve"));
    case DesignStop::LossesCriterion:
        return joinedCheck("no-load: P0 ", signedMiss(r.miss, point) + QStringLiteral(" % (0 to +15 %)"));
    case DesignStop::NoInductionMeetsBoth:
        return joinedCheck("no-load: no induction meets P0 and i0 (P0 ", signedMiss(r.miss, point) + QStringLiteral(" %)"));
    case DesignStop::CurrentCriterion:
        return joinedCheck("no-load: i0 ", signedMiss(r.miss, point) + QStringLiteral(" % (at most +30 %)"));
    case DesignStop::KuRepeatWithoutPick:
    case DesignStop::KuNotRectangular: return QStringLiteral("KU conductor: not a rectangular wire");
    case DesignStop::KuNoConductor:
        return joinedCheck("KU conductor: no wire makes ", fixed(r.miss, 3, point) + QStringLiteral(" mm2"));
    case DesignStop::KuOffRod: return joinedCheck("KU fit: ", signedMiss(r.miss, point) + QStringLiteral(" mm over the rod"));
    case DesignStop::KuNotDone: return QStringLiteral("KU fit: the KU winding is not calculated");
    case DesignStop::LvRepeatWithoutPick:
    case DesignStop::LvNotRectangular: return QStringLiteral("LV conductor: not a rectangular wire");
    case DesignStop::LvNoConductor:
        return joinedCheck("LV conductor: no wire makes ", fixed(r.miss, 3, point) + QStringLiteral(" mm2"));
    case DesignStop::LvOffRod: return joinedCheck("LV fit: ", signedMiss(r.miss, point) + QStringLiteral(" mm over the rod"));
    case DesignStop::LvNotDone: return QStringLiteral("LV fit: the LV winding is not calculated");
    case DesignStop::NoMainInsulation: return QStringLiteral("HV: no main insulation distances for the power and voltage");
    case DesignStop::NoHvCurrentDensity: return QStringLiteral("HV: the LV conductor leaves no current density");
    case DesignStop::HvNoConductor:
        return joinedCheck("HV conductor: no wire makes ", fixed(r.miss, 3, point) + QStringLiteral(" mm2"));
    case DesignStop::HvNotRound: return QStringLiteral("HV conductor: not a round wire");
    case DesignStop::HvOffRod:
        return joinedCheck("HV height: ", signedMiss(r.miss, point) + QStringLiteral(" mm over the rod"));
    case DesignStop::NoInterlayerInsulation:
        return joinedCheck("HV: ", fixed(r.miss, 1, point) + QStringLiteral(" V between layers (at most 5000 V)"));
    case DesignStop::HvOutOfWindow:
        return joinedCheck("HV width: ", signedMiss(r.miss, point) + QStringLiteral(" mm over C − a22"));
    case DesignStop::PkAboveStandard:
        return joinedCheck("Pk ", signedMiss(r.miss, point) + QStringLiteral(" % (at most +10 %)"));
    case DesignStop::UkOutsideStandard:
        return joinedCheck("uk ", signedMiss(r.miss, point) + QStringLiteral(" % (within ±10 %)"));
    case DesignStop::Refused: return QStringLiteral("refused: ") + r.refusal;
    }
    return {};
}

bool rankedBefore(const VariantResult& a, const VariantResult& b) {
    if (a.meetsEverything() != b.meetsEverything()) return a.meetsEverything();
    if (a.meetsEverything()) {
        return std::tuple(knownFirst(a.owningCost), a.variant.index) <
               std::tuple(knownFirst(b.owningCost), b.variant.index);
    }
    const auto key = [](const VariantResult& r) {
        return std::tuple(-nearness(r), knownFirst(std::fabs(r.miss)), knownFirst(r.owningCost), r.variant.index);
    };
    return key(a) < key(b);
}

VariantTable::VariantTable(std::shared_ptr<const Sweep> sweep, QString currency)
    : sweep_(std::move(sweep)), currency_(std::move(currency)) {}

void VariantTable::add(const std::vector<VariantResult>& results) {
    rows_.insert(rows_.end(), results.begin(), results.end());
    ranked_.resize(rows_.size());
    for (size_t row = 0; row < ranked_.size(); ++row) ranked_[row] = static_cast<int>(row);
    std::sort(ranked_.begin(), ranked_.end(), [this](int a, int b) { return rankedBefore(at(a), at(b)); });
    position_.resize(rows_.size());
    for (size_t place = 0; place < ranked_.size(); ++place) position_[static_cast<size_t>(ranked_[place])] = static_cast<int>(place);
}

void VariantTable::clear() {
    rows_.clear();
    ranked_.clear();
    position_.clear();
}

std::optional<int> VariantTable::rank(int row) const {
    if (!at(row).meetsEverything()) return std::nullopt;
    return position_.at(static_cast<size_t>(row)) + 1;  // the variants that meet everything rank first
}

int VariantTable::meetingCount() const {
    return static_cast<int>(std::ranges::count_if(rows_, &VariantResult::meetsEverything));
}

std::optional<int> VariantTable::bestRow() const {
    if (ranked_.empty() || !at(ranked_.front()).meetsEverything()) return std::nullopt;
    return ranked_.front();
}

bool VariantTable::lessInColumn(int a, int b, VariantColumn column) const {
    const VariantResult& ra = at(a);
    const VariantResult& rb = at(b);
    const int placeA = position_.at(static_cast<size_t>(a));
    const int placeB = position_.at(static_cast<size_t>(b));
    switch (column) {
    case VariantColumn::Rank:
    case VariantColumn::Check: return placeA < placeB;
    case VariantColumn::Steel:
    case VariantColumn::Material: {
        const int order = QString::compare(cell(a, column), cell(b, column));
        return order != 0 ? order < 0 : placeA < placeB;
    }
    default:
        return std::tuple(knownFirst(figureOf(ra, column)), placeA) < std::tuple(knownFirst(figureOf(rb, column)), placeB);
    }
}

QString VariantTable::header(VariantColumn column) const {
    switch (column) {
    case VariantColumn::Rank: return QStringLiteral("Rank");
    case VariantColumn::Diameter: return QStringLiteral("D, m");
    case VariantColumn::WindowHeight: return QStringLiteral("lс, mm");
    case VariantColumn::RodSpacing: return QStringLiteral("C, mm");
    case VariantColumn::Steel: return QStringLiteral("Steel");
    case VariantColumn::Material: return QStringLiteral("Material");
    case VariantColumn::LvLayers: return QStringLiteral("LV layers");
    case VariantColumn::Induction: return QStringLiteral("B, T");
    case VariantColumn::P0: return QStringLiteral("P0, W");
    case VariantColumn::i0: return QStringLiteral("i0, %");
    case VariantColumn::Pk: return QStringLiteral("Pk, W");
    case VariantColumn::uk: return QStringLiteral("uk, %");
    case VariantColumn::SteelMass: return QStringLiteral("Steel, kg");
    case VariantColumn::ConductorMass: return QStringLiteral("Conductors, kg");
    case VariantColumn::Cost: return QStringLiteral("Cost, ") + currency_;
    case VariantColumn::OwningCost: return QStringLiteral("Owning cost, ") + currency_;
    case VariantColumn::Check: return QStringLiteral("Check");
    }
    return {};
}

QString VariantTable::cell(int row, VariantColumn column, QChar point) const {
    const VariantResult& r = at(row);
    const Variant& v = r.variant;
    switch (column) {
    case VariantColumn::Rank: {
        const std::optional<int> place = rank(row);
        return place ? QString::number(*place) : QString();
    }
    case VariantColumn::Diameter:
        return withPoint(QString::fromLatin1(kStandardDiameters.at(static_cast<size_t>(v.diameterItem))), point);
    case VariantColumn::WindowHeight: return QString::number(v.lc_mm);
    case VariantColumn::RodSpacing: return QString::number(v.C_mm);
    case VariantColumn::Steel: return sweep_->steels().at(static_cast<size_t>(v.steelIndex)).name;
    case VariantColumn::Material: return materialName(v.materialItem);
    case VariantColumn::LvLayers: return QString::number(v.lvLayers);
    case VariantColumn::Induction: return reportFigure(r.B_T, point, formatF3);
    case VariantColumn::P0: return reportFigure(r.P0_W, point, formatF3);
    case VariantColumn::i0: return reportFigure(r.i0_pct, point, formatF3);
    case VariantColumn::Pk: return reportFigure(r.Pk_W, point, formatF3);
    case VariantColumn::uk: return reportFigure(r.uk_pct, point, formatF3);
    case VariantColumn::SteelMass: return reportFigure(r.steel_kg, point, formatF1);
    case VariantColumn::ConductorMass: return reportFigure(r.conductor_kg, point, formatF1);
    case VariantColumn::Cost: return fixed(r.cost, 2, point);
    case VariantColumn::OwningCost: return fixed(r.owningCost, 2, point);
    case VariantColumn::Check: return checkText(r, point);
    }
    return {};
}

QByteArray VariantTable::csv(const std::vector<int>& order) const {
    const auto line = [](const QStringList& fields) { return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n"); };
    QStringList fields;
    for (int c = 0; c < kVariantColumnCount; ++c) fields.append(csvField(header(static_cast<VariantColumn>(c))));
    QString text = line(fields);
    for (const int row : order) {
        fields.clear();
        for (int c = 0; c < kVariantColumnCount; ++c) {
            fields.append(csvField(cell(row, static_cast<VariantColumn>(c), QLatin1Char('.'))));
        }
        text += line(fields);
    }
    return text.toUtf8();
}

}  // namespace dravik
