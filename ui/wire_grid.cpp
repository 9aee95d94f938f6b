#include "wire_grid.h"

#include "catalogues/wire_table.h"
#include "common/number_text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStringList>
#include <QTableWidget>
#include <array>

namespace dravik {
namespace {

constexpr std::array<const char*, 8> kColumnTitles{"Type:",  "a, mm:",  "b, mm:", "s, mm2:",
                                                   "D, mm:", "2δ, mm:", "mater:", "cirkl/rect:"};

QStringList rowCells(const WireRecord& wire) {
    return {wire.tip(),         formatF3(wire.a), formatF3(wire.b), formatF3(wire.s), formatF3(wire.D),
            formatF3(wire.delta2), wire.mater(),  wire.vid()};
}

// A row reached with the arrow keys is chosen as a click on it would be;
// moving the current row from the program chooses nothing.
class WireGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int before = currentRow();
        QTableWidget::keyPressEvent(event);
        if (currentRow() >= 0 && currentRow() != before) emit cellClicked(currentRow(), currentColumn());
    }
};

QTableWidgetItem* readOnlyCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

QTableWidget* makeWireGrid(QWidget* parent) {
    auto* grid = new WireGrid(1, static_cast<int>(kColumnTitles.size()), parent);
    grid->setObjectName(QStringLiteral("SG_Sech"));
    QStringList titles;
    for (const char* title : kColumnTitles) titles.append(QString::fromUtf8(title));
    grid->setHorizontalHeaderLabels(titles);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    return grid;
}

void showWires(QTableWidget* grid, const WireTable& wires) {
    const bool noWire = wires.count() == 0 || wires.emptyTable();
    const int wireRows = noWire ? 0 : wires.count();
    grid->clearContents();
    grid->setRowCount(wireRows + 1);
    for (int row = 0; row < wireRows; ++row) {
        const QStringList cells = rowCells(wires.records()[static_cast<size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column) grid->setItem(row, column, readOnlyCell(cells[column]));
    }
}

}  // namespace dravik
