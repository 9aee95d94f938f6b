#include "magnetic/test_steels.h"

namespace dravik::test {

SteelEntry linearSteel(char rolling) {
    SteelEntry steel;
    steel.name = QStringLiteral("linear");
    steel.rolling = rolling;
    for (int j = 0; j < kCurvePoints; ++j) {
        const double B = 0.5 + 0.0625 * j;
        steel.points[static_cast<size_t>(j)] = {B, B, 2 * B, 1000 * B};
    }
    return steel;
}

}  // namespace dravik::test
