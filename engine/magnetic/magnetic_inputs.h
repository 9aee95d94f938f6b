#pragma once

#include "common/number_input.h"

#include <QString>
#include <array>

namespace dravik {

// The Stage I inputs of a calculation: the fields the calculation reads and
// the two that only "Pick sheets for power" reads (the diameter and the
// press plate), since Stage I results hold only as long as all of them do.
// The window fills the number fields with their texts: length fields after
// the first "." became "," (lengthPointsAsCommas), the others as typed. The
// design explorer fills them with values.
struct MagneticInputs {
    NumberInput C, Lc, Cok;           // Ed_C, Ed_Lc, Ed_Cok (mm)
    std::array<NumberInput, 8> A, a;  // rod packets Ed_A1..8, Ed_a_1..8 (mm)
    std::array<NumberInput, 8> B, b;  // yoke packets Ed_B1..8, Ed_b_1..8 (mm)
    NumberInput dz;                   // Ed_dz (mm)
    int steelIndex = -1;          // CB_M_st current index, -1 none
    QString steelName;            // CB_M_st text
    NumberInput Uvn, Un;          // CB_Uvn, CB_Un (kV)
    int insulationIndex = 0;      // CB_Iz_st index (0 or 1)
    NumberInput hB, hU, numhU;    // Ed_h_B (T), Ed_h_U (%), Ed_num_h_U (integer)
    QString shem;                 // CB_Shem text
    NumberInput snom;             // CB_Snom (integer, kVA)
    NumberInput dnom;             // CB_Dnom (m)
    bool pressPlate = false;      // CB_Press

    bool operator==(const MagneticInputs&) const = default;
};

// The inputs with the first "." of every length field (the core window, the
// rod and yoke packets, the sheet thickness) turned into ",": a point typed
// out of habit. The window shows the rewritten texts before the calculation
// reads them.
MagneticInputs lengthPointsAsCommas(MagneticInputs typed);

// The inputs with every number field holding its value: a text converted
// as the calculation converts it, a value kept. For inputs the calculation's
// checks have passed (checkMagneticInputs), whose texts all convert.
MagneticInputs asValues(MagneticInputs in);

}  // namespace dravik
