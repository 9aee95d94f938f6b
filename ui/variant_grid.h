#pragma once

#include "explorer/variant_table.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <memory>
#include <vector>

namespace dravik {

// The variants of a sweep as a table model: one row per result, in the order
// the results arrived; the cells and their order come from the engine's
// VariantTable. The best variant's row is bold.
class VariantModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // A new sweep: no rows, its currency in the headers.
    void start(std::shared_ptr<const Sweep> sweep, const QString& currency);
    // Results that arrived together: new rows, and the ranks of all anew.
    void add(const std::vector<VariantResult>& results);

    const VariantTable* table() const { return table_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::unique_ptr<VariantTable> table_;
};

// The variants grid (SG_Var): whole rows selected, sorted by a click on a
// column head; until then, and whenever the head "Rank" is clicked, in
// ranking order. The table fills as the results arrive.
class VariantGrid : public QTableView {
public:
    explicit VariantGrid(QWidget* parent);
    ~VariantGrid() override;

    VariantModel& variants() { return model_; }
    const VariantTable* table() const { return model_.table(); }
    // The row of the variants table shown in view row `viewRow`.
    int tableRow(int viewRow) const;
    // The rows of the variants table in the order the grid shows them.
    std::vector<int> shownRows() const;
    // Columns as wide as their heads and the first rows' cells.
    void fitColumns();
    // The variants table's row of the current view row; none without one.
    std::optional<int> currentTableRow() const;

private:
    VariantModel model_;
    std::unique_ptr<QSortFilterProxyModel> sorted_;
};

}  // namespace dravik
