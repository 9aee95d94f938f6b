#pragma once

#include "catalogues/steel_entry.h"

#include <vector>

namespace dravik::test {

// The four grades built into the program, in catalogue order (1512, 1513
// hot-rolled; 3404, 3405 cold-rolled), typed in from the grade data sheet.
std::vector<SteelEntry> builtinSteels();

// A steel with straight-line characteristics, easy to follow by hand:
// B_j = 0.5 + 0.0625 (j - 1) T for j = 1..25 (0.5 .. 2.0 T, every value
// exact in binary), p = B W/kg, q = 2 B VA/kg, qz = 1000 B VA/m2.
SteelEntry linearSteel(char rolling = 'c');

}  // namespace dravik::test
