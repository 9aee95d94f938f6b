#include "variant_grid.h"

#include <QFont>
#include <QHeaderView>

namespace dravik {
namespace {

constexpr int kRowsFitted = 200;

// Sorts by the engine's order of the column: figures by value, a missing
// figure last, ties in ranking order.
class VariantOrder final : public QSortFilterProxyModel {
public:
    explicit VariantOrder(const VariantModel& variants) : variants_(variants) {}

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const VariantTable* table = variants_.table();
        return table->lessInColumn(left.row(), right.row(), static_cast<VariantColumn>(left.column()));
    }

private:
    const VariantModel& variants_;
};

}  // namespace

void VariantModel::start(std::shared_ptr<const Sweep> sweep, const QString& currency) {
    beginResetModel();
    table_ = std::make_unique<VariantTable>(std::move(sweep), currency);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, kVariantColumnCount - 1);
}

void VariantModel::add(const std::vector<VariantResult>& results) {
    if (!table_ || results.empty()) return;
    const int first = table_->size();
    beginInsertRows({}, first, first + static_cast<int>(results.size()) - 1);
    table_->add(results);
    endInsertRows();
    // New arrivals move the ranks (and the mark of the best) of the rows
    // already shown that meet every check; the other rows show no rank, and
    // their order among themselves stays. Telling only those rows keeps the
    // sorted view from sorting every row anew at each arrival.
    for (int row = 0; row < first; ++row) {
        if (table_->at(row).meetsEverything()) emit dataChanged(index(row, 0), index(row, kVariantColumnCount - 1));
    }
}

int VariantModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : table_->size();
}

int VariantModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kVariantColumnCount; }

QVariant VariantModel::data(const QModelIndex& index, int role) const {
    if (!table_ || !index.isValid()) return {};
    if (role == Qt::DisplayRole) return table_->cell(index.row(), static_cast<VariantColumn>(index.column()));
    if (role == Qt::FontRole && table_->bestRow() == index.row()) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

QVariant VariantModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (table_) return table_->header(static_cast<VariantColumn>(section));
    return VariantTable(nullptr, {}).header(static_cast<VariantColumn>(section));
}

VariantGrid::VariantGrid(QWidget* parent) : QTableView(parent), sorted_(std::make_unique<VariantOrder>(model_)) {
    setObjectName(QStringLiteral("SG_Var"));
    sorted_->setSourceModel(&model_);
    sorted_->setDynamicSortFilter(true);
    setModel(sorted_.get());
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(true);
    sortByColumn(static_cast<int>(VariantColumn::Rank), Qt::AscendingOrder);
    horizontalHeader()->setStretchLastSection(true);
    // Fitting the columns looks at the first rows only: a sweep may hold
    // a hundred thousand.
    horizontalHeader()->setResizeContentsPrecision(kRowsFitted);
    // What a variant failed is what the designer reads first: the grid shows
    // it beside the choices, not past the costs at the far right (the model,
    // the CSV and a printed grid keep their order).
    horizontalHeader()->moveSection(static_cast<int>(VariantColumn::Check), static_cast<int>(VariantColumn::Induction));
    verticalHeader()->hide();
}

VariantGrid::~VariantGrid() { setModel(nullptr); }

void VariantGrid::fitColumns() { resizeColumnsToContents(); }

int VariantGrid::tableRow(int viewRow) const { return sorted_->mapToSource(sorted_->index(viewRow, 0)).row(); }

std::vector<int> VariantGrid::shownRows() const {
    std::vector<int> rows;
    for (int viewRow = 0; viewRow < sorted_->rowCount(); ++viewRow) rows.push_back(tableRow(viewRow));
    return rows;
}

std::optional<int> VariantGrid::currentTableRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return std::nullopt;
    return tableRow(current.row());
}

}  // namespace dravik
