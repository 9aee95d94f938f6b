#pragma once

#include <QString>
#include <array>

namespace dravik {

// The Stage I inputs of a calculation, as texts: the fields the
// calculation reads and the two that only "Pick sheets for power" reads
// (the diameter and the press plate), since Stage I results hold only as
// long as all of them do. Length fields hold their texts after the first
// "." became "," (lengthPointsAsCommas); the others are read as typed.
struct MagneticInputs {
    QString C, Lc, Cok;           // Ed_C, Ed_Lc, Ed_Cok (mm)
    std::array<QString, 8> A, a;  // rod packets Ed_A1..8, Ed_a_1..8 (mm)
    std::array<QString, 8> B, b;  // yoke packets Ed_B1..8, Ed_b_1..8 (mm)
    QString dz;                   // Ed_dz (mm)
    int steelIndex = -1;          // CB_M_st current index, -1 none
    QString steelName;            // CB_M_st text
    QString Uvn, Un;              // CB_Uvn, CB_Un (kV)
    int insulationIndex = 0;      // CB_Iz_st index (0 or 1)
    QString hB, hU, numhU;        // Ed_h_B (T), Ed_h_U (%), Ed_num_h_U (integer)
    QString shem;                 // CB_Shem text
    QString snom;                 // CB_Snom text (integer, kVA)
    QString dnom;                 // CB_Dnom text (m)
    bool pressPlate = false;      // CB_Press

    bool operator==(const MagneticInputs&) const = default;
};

// The inputs with the first "." of every length field (the core window, the
// rod and yoke packets, the sheet thickness) turned into ",": a point typed
// out of habit. The window shows the rewritten texts before the calculation
// reads them.
MagneticInputs lengthPointsAsCommas(MagneticInputs typed);

}  // namespace dravik
