#pragma once

#include "catalogues/steel_entry.h"
#include "common/report.h"
#include "design/design_state.h"

#include <QString>
#include <array>
#include <vector>

namespace dravik {

// The Stage I fields the calculation reads. Length fields (mm) hold their
// texts as they stand after the window turned their first "." into ","; the
// others are read as typed.
struct MagneticInputs {
    QString C, Lc, Cok;           // Ed_C, Ed_Lc, Ed_Cok (mm)
    std::array<QString, 8> A, a;  // rod packets Ed_A1..8, Ed_a_1..8 (mm)
    std::array<QString, 8> B, b;  // yoke packets Ed_B1..8, Ed_b_1..8 (mm)
    QString dz;                   // Ed_dz (mm)
    int steelIndex = -1;          // CB_M_st current index, -1 none
    QString Uvn, Un;              // CB_Uvn, CB_Un (kV)
    int insulationIndex = 0;      // CB_Iz_st index (0 or 1)
    QString hB, hU, numhU;        // Ed_h_B (T), Ed_h_U (%), Ed_num_h_U (integer)
    QString shem;                 // CB_Shem text
    QString snom;                 // CB_Snom text (integer, kVA)
};

// "Calculation of the magnetic": the rod and yoke sections, the rated data
// of the nearest standard transformer, the currents, the recommended
// induction and the steel masses, then the induction search. Clears the
// report first and writes the design state field by field. Returns true
// only when the search met both criteria.
//
// Throws CommandError on a field that is not a number, on a refused input
// (no steel chosen, an induction step not above 0, tap steps outside 0..9,
// a negative tap step) and on a division by zero; the lines and state
// written before it stay.
bool calculateMagneticCircuit(const MagneticInputs& in, const std::vector<SteelEntry>& steels, DesignState& state,
                              Report& report);

}  // namespace dravik
