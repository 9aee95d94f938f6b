#pragma once

#include <QTableView>
#include <memory>

namespace dravik {

class WireTable;
class WireTableModel;

// The wire catalogue grid of Stage II (SG_Sech): eight columns, whole rows
// selected, no fixed rows; one row per wire (row i for record i+1) and one
// blank row after them. A catalogue holds up to 5000 wires, so the rows are
// written only as they are looked at, from the catalogue itself. `clicked`
// is the user choosing a row, by the mouse or by the arrow keys.
class WireGrid : public QTableView {
public:
    WireGrid(const WireTable& wires, QWidget* parent);
    ~WireGrid() override;

    // The catalogue changed: show it again.
    void showWires();
    int rowCount() const;
    // Room for the column titles and a few wires; the grid scrolls through
    // the rest and grows with its window.
    QSize sizeHint() const override;
    // Moves the current row from the program, to the top of the view; this
    // chooses nothing.
    void showRowAtTop(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<WireTableModel> model_;
};

}  // namespace dravik
