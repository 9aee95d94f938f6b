#pragma once

#include "explorer/sweep.h"
#include "explorer/variant_result.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace dravik {

// The columns of the variants table, and of its CSV, in order.
enum class VariantColumn {
    Rank,
    Diameter,
    WindowHeight,
    RodSpacing,
    Steel,
    Material,
    LvLayers,
    Induction,
    P0,
    i0,
    Pk,
    uk,
    SteelMass,
    ConductorMass,
    Cost,
    OwningCost,
    Check,
};
inline constexpr int kVariantColumnCount = static_cast<int>(VariantColumn::Check) + 1;

// The text that says why a variant falls short: "meets" when it meets every
// check, else the first check it failed and by how much. Numbers with
// `point` as the decimal sign.
QString checkText(const VariantResult& result, QChar point = QLatin1Char(','));

// Whether `a` ranks before `b`: the variants that meet every check first,
// the cheapest to own first; then those that failed, the ones that came
// nearest to meeting everything first (a later check, then a smaller miss);
// refusals last. Ties go by the order of the sweep.
bool rankedBefore(const VariantResult& a, const VariantResult& b);

// The results of a sweep as they arrive, ranked. Row r is the r-th result
// added; the table keeps the ranking of all rows up to date, marks the
// variant that meets every check at the least owning cost as the best, and
// gives every cell as the table and the CSV show it.
class VariantTable {
public:
    VariantTable(std::shared_ptr<const Sweep> sweep, QString currency);

    // Adds results that arrived together, and ranks the rows anew.
    void add(const std::vector<VariantResult>& results);
    void clear();

    int size() const { return static_cast<int>(rows_.size()); }
    const VariantResult& at(int row) const { return rows_.at(static_cast<size_t>(row)); }
    const Sweep& sweep() const { return *sweep_; }

    // 1 for the best, 2, 3, ... for the other variants that meet every
    // check; none for a variant that fails one.
    std::optional<int> rank(int row) const;
    std::optional<int> bestRow() const;
    // How many rows meet every check.
    int meetingCount() const;
    // The rows in ranking order.
    const std::vector<int>& rankedRows() const { return ranked_; }
    // Whether row `a` goes before row `b` when the table is sorted by
    // `column`, ascending: by the column's value, a missing figure last,
    // ties in ranking order.
    bool lessInColumn(int a, int b, VariantColumn column) const;

    QString header(VariantColumn column) const;
    // A cell with a decimal comma, or with `point`.
    QString cell(int row, VariantColumn column, QChar point = QLatin1Char(',')) const;

    // The rows in `order` as CSV (RFC 4180: comma separated, fields with a
    // comma, quote or line break quoted, CRLF line ends), UTF-8, a header
    // row with units first, numbers with a decimal point.
    QByteArray csv(const std::vector<int>& order) const;

private:
    std::shared_ptr<const Sweep> sweep_;
    QString currency_;
    std::vector<VariantResult> rows_;
    std::vector<int> ranked_;    // rows in ranking order
    std::vector<int> position_;  // row -> place in ranked_
};

}  // namespace dravik
