#include "wire_grid.h"

#include "catalogues/wire_table.h"
#include "common/number_text.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <array>

namespace dravik {

namespace {

constexpr std::array<const char*, 8> kColumnTitles{"Type:",  "a, mm:",  "b, mm:", "s, mm2:",
                                                   "D, mm:", "2δ, mm:", "mater:", "cirkl/rect:"};

constexpr int kRowHeight = 22;
// Wires the grid asks room for.
constexpr int kRowsShown = 6;

// Numbers as the reports write them (3 decimals).
QString cellText(const WireRecord& wire, int column) {
    switch (column) {
        case 0: return wire.tip();
        case 1: return formatF3(wire.a);
        case 2: return formatF3(wire.b);
        case 3: return formatF3(wire.s);
        case 4: return formatF3(wire.D);
        case 5: return formatF3(wire.delta2);
        case 6: return wire.mater();
        default: return wire.vid();
    }
}

}  // namespace

// The catalogue seen as rows: a catalogue with no wire, or only the blank
// placeholder left by removing the last one, shows a single blank row.
class WireTableModel : public QAbstractTableModel {
public:
    explicit WireTableModel(const WireTable& wires) : wires_(wires) {}

    void refresh() {
        beginResetModel();
        endResetModel();
    }

    int wireRows() const { return wires_.wireCount(); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : wireRows() + 1; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(kColumnTitles.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= wireRows()) return {};
        return cellText(wires_.records()[static_cast<size_t>(index.row())], index.column());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        return QString::fromUtf8(kColumnTitles[static_cast<size_t>(section)]);
    }

    Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsSelectable | Qt::ItemIsEnabled; }

private:
    const WireTable& wires_;
};

QSize WireGrid::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {QTableView::sizeHint().width(), horizontalHeader()->sizeHint().height() + kRowsShown * kRowHeight + frame};
}

WireGrid::WireGrid(const WireTable& wires, QWidget* parent)
    : QTableView(parent), model_(std::make_unique<WireTableModel>(wires)) {
    setObjectName(QStringLiteral("SG_Sech"));
    setModel(model_.get());
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

WireGrid::~WireGrid() { setModel(nullptr); }

void WireGrid::showWires() { model_->refresh(); }

int WireGrid::rowCount() const { return model_->rowCount(); }

void WireGrid::showRowAtTop(int row) {
    const QModelIndex cell = model_->index(row, 0);
    {
        const QSignalBlocker blockView(this);
        const QSignalBlocker blockSelection(selectionModel());
        setCurrentIndex(cell);
    }
    viewport()->update();
    scrollTo(cell, QAbstractItemView::PositionAtTop);
}

// A row reached with the arrow keys is chosen as a click on it would be.
void WireGrid::keyPressEvent(QKeyEvent* event) {
    const int before = currentIndex().row();
    QTableView::keyPressEvent(event);
    if (currentIndex().isValid() && currentIndex().row() != before) emit clicked(currentIndex());
}

}  // namespace dravik
