#pragma once

class QTableWidget;
class QWidget;

namespace dravik {

class WireTable;

// The wire catalogue grid of Stage II (SG_Sech): eight columns, whole rows
// selected, no fixed rows. `cellClicked` is the user choosing a row, by the
// mouse or by the arrow keys.
QTableWidget* makeWireGrid(QWidget* parent);

// One row per wire of the catalogue (row i for record i+1) and one blank
// row after them; a catalogue with no wire, or only the blank placeholder
// left by removing the last one, shows a single blank row. Numbers are
// written as the reports write them (3 decimals).
void showWires(QTableWidget* grid, const WireTable& wires);

}  // namespace dravik
