#pragma once

#include "catalogues/steel_entry.h"

namespace dravik::test {

// A steel with straight-line characteristics, easy to follow by hand:
// B_j = 0.5 + 0.0625 (j - 1) T for j = 1..25 (0.5 .. 2.0 T, every value
// exact in binary), p = B W/kg, q = 2 B VA/kg, qz = 1000 B VA/m2.
SteelEntry linearSteel(char rolling = 'c');

}  // namespace dravik::test
