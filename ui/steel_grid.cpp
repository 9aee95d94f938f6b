#include "steel_grid.h"

#include <QHeaderView>
#include <algorithm>

namespace dravik {

CurveGrid::CurveGrid(const QString& name, const QString& inductionHead, const QString& valueHead, QWidget* parent)
    : QTableWidget(1, 2, parent) {
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setDefaultSectionSize(22);
    setSelectionMode(QAbstractItemView::SingleSelection);

    // The head row is part of the grid, as in a string grid, but never edited.
    const QBrush headBrush = palette().button();
    const std::array<QString, 2> heads{inductionHead, valueHead};
    for (int column = 0; column < 2; ++column) {
        auto* head = new QTableWidgetItem(heads[static_cast<std::size_t>(column)]);
        head->setFlags(Qt::ItemIsEnabled);
        head->setBackground(headBrush);
        setItem(0, column, head);
    }
    for (auto& row : hidden_) row.fill(kBlankMarker);
}

namespace {
Qt::ItemFlags pointFlags(bool readOnly) {
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return readOnly ? flags : flags | Qt::ItemIsEditable;
}
}  // namespace

QTableWidgetItem* CurveGrid::pointItem(const QString& text) const {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(pointFlags(readOnly_));
    return item;
}

void CurveGrid::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    for (int row = 1; row <= shownPoints(); ++row) {
        for (int column = 0; column < 2; ++column) {
            if (QTableWidgetItem* cell = item(row, column)) cell->setFlags(pointFlags(readOnly));
        }
    }
}

void CurveGrid::showPoints(int count) {
    count = std::clamp(count, 0, kPointRows);
    const int shown = shownPoints();
    // Rows about to be hidden hand their texts over before the grid drops them.
    for (int row = count + 1; row <= shown; ++row) {
        for (int column = 0; column < 2; ++column) hidden_[row - 1][column] = cellText(row, column);
    }
    setRowCount(count + 1);
    for (int row = shown + 1; row <= count; ++row) {
        for (int column = 0; column < 2; ++column) setItem(row, column, pointItem(hidden_[row - 1][column]));
    }
}

QString CurveGrid::cellText(int row, int column) const {
    if (row > shownPoints()) return hidden_[row - 1][column];
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CurveGrid::setCellText(int row, int column, const QString& text) {
    if (row > shownPoints()) {
        hidden_[row - 1][column] = text;
        return;
    }
    if (QTableWidgetItem* cell = item(row, column)) {
        if (cell->text() != text) cell->setText(text);
    } else {
        setItem(row, column, pointItem(text));
    }
}

void CurveGrid::blankRow(int row) {
    setCellText(row, 0, kBlankMarker);
    setCellText(row, 1, kBlankMarker);
}

void CurveGrid::blankAll() {
    for (int row = 1; row <= kPointRows; ++row) blankRow(row);
}

CurveGridTexts CurveGrid::texts(int count) const {
    CurveGridTexts grid;
    grid.rowCount = count;
    grid.control = objectName();
    for (int column = 0; column < 2; ++column) grid.heads[static_cast<std::size_t>(column)] = item(0, column)->text();
    for (int row = 1; row <= kPointRows; ++row) {
        for (int column = 0; column < 2; ++column) grid.cells[row - 1][column] = cellText(row, column);
    }
    return grid;
}

}  // namespace dravik
