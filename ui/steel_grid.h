#pragma once

#include "catalogues/steel_grid_collect.h"

#include <QTableWidget>
#include <array>

namespace dravik {

// One curve grid of the steel editor: a fixed head row (row 0) with the
// column heads, then the points, induction in column 0 and the curve's
// value in column 1. The grid shows as many point rows as its spin edit
// counts, but holds all 100: rows beyond the count keep their texts,
// hidden, until the count grows again.
class CurveGrid : public QTableWidget {
public:
    static constexpr int kPointRows = kPointRoom;

    CurveGrid(const QString& name, const QString& inductionHead, const QString& valueHead, QWidget* parent);

    // Rows 1..count are shown (the grid has count + 1 rows).
    void showPoints(int count);

    // Point rows are numbered 1..100; column 0 the induction, 1 the value.
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    void blankRow(int row);
    void blankAll();

    // Point cells the user cannot type into (a built-in grade shown); the
    // program still writes them.
    void setReadOnly(bool readOnly);

    // The texts as the collection of the curves reads them.
    CurveGridTexts texts(int count) const;

private:
    int shownPoints() const { return rowCount() - 1; }
    QTableWidgetItem* pointItem(const QString& text) const;

    std::array<std::array<QString, 2>, kPointRows> hidden_;  // rows beyond the shown count
    bool readOnly_ = false;
};

}  // namespace dravik
