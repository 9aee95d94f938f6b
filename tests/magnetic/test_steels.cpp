#include "magnetic/test_steels.h"

#include <array>

namespace dravik::test {
namespace {

constexpr std::array<double, 25> kInductions{0.9,  1.0,  1.1,  1.2,  1.3,  1.32, 1.34, 1.36, 1.38,
                                             1.4,  1.42, 1.44, 1.46, 1.48, 1.5,  1.52, 1.54, 1.56,
                                             1.58, 1.6,  1.62, 1.64, 1.66, 1.68, 1.7};

// The hot-rolled grades have data at 0.9 .. 1.3, 1.4 and 1.5 T only.
constexpr double n = 0.01;
constexpr std::array<double, 25> k1512p{0.962, 1.2, 1.4, 1.76, 2.09, n, n, n, n, 2.45, n, n, n,
                                        n,     2.8, n,   n,    n,    n, n, n, n, n,    n, n};
constexpr std::array<double, 25> k1513p{0.836, 1.05, 1.29, 1.56, 1.85, n, n, n, n, 2.17, n, n, n,
                                        n,     2.5,  n,    n,    n,    n, n, n, n, n,    n, n};
constexpr std::array<double, 25> kHotQ{3.5, 4.6,  6.5, 10, 15.7, n, n, n, n, 25.8, n, n, n,
                                       n,   43.5, n,   n,  n,    n, n, n, n, n,    n, n};
constexpr std::array<double, 25> kHotQz{3030, 4910,  7760, 11760, 17220, n, n, n, n, 24570, n, n, n,
                                        n,    34200, n,    n,     n,     n, n, n, n, n,     n, n};

constexpr std::array<double, 25> k3404p{0.397, 0.475, 0.575, 0.675, 0.785, 0.814, 0.843, 0.872, 0.901,
                                        0.93,  0.964, 0.998, 1.032, 1.066, 1.1,   1.134, 1.168, 1.207,
                                        1.251, 1.295, 1.353, 1.411, 1.472, 1.536, 1.6};
constexpr std::array<double, 25> k3404q{0.46,  0.548, 0.65,  0.752, 0.9,   0.932, 0.964, 0.996, 1.028,
                                        1.06,  1.114, 1.168, 1.222, 1.276, 1.33,  1.408, 1.486, 1.576,
                                        1.675, 1.775, 1.985, 2.131, 2.556, 3.028, 3.4};
constexpr std::array<double, 25> k3404qz{640,   1000,  2500,  4000,  7400,  8200,  9000,  9800,  10600,
                                         11400, 12440, 13480, 14520, 15560, 16600, 17960, 19320, 20700,
                                         22100, 23500, 25100, 26700, 28600, 30800, 33000};

constexpr std::array<double, 25> k3405p{0.302, 0.425, 0.505, 0.61,  0.715, 0.739, 0.763, 0.787, 0.811,
                                        0.835, 0.86,  0.869, 0.916, 0.943, 0.97,  1.004, 1.038, 1.074,
                                        1.112, 1.15,  1.194, 1.238, 1.288, 1.344, 1.4};
constexpr std::array<double, 25> k3405q{0.45,  0.533, 0.63,  0.732, 0.86,  0.892, 0.924, 0.956, 0.988,
                                        1.02,  1.065, 1.11,  1.156, 1.21,  1.246, 1.311, 1.376, 1.447,
                                        1.524, 1.602, 1.748, 1.894, 2.123, 2.435, 2.747};
constexpr std::array<double, 25> k3405qz{590,   900,   2300,  3700,  6000,  6640,  7280,  7920,  8560,
                                         9200,  10120, 11040, 11960, 12880, 13800, 14760, 15720, 16800,
                                         18000, 19200, 20480, 21760, 23160, 24680, 27000};

SteelEntry grade(const char* name, char rolling, const std::array<double, 25>& p, const std::array<double, 25>& q,
                 const std::array<double, 25>& qz) {
    SteelEntry steel;
    steel.name = QString::fromLatin1(name);
    steel.rolling = rolling;
    for (size_t j = 0; j < kInductions.size(); ++j) steel.points[j] = {kInductions[j], p[j], q[j], qz[j]};
    return steel;
}

}  // namespace

std::vector<SteelEntry> builtinSteels() {
    return {grade("1512 GOST USSR 21427", 'h', k1512p, kHotQ, kHotQz),
            grade("1513 GOST USSR 21427", 'h', k1513p, kHotQ, kHotQz),
            grade("3404 GOST USSR 21427", 'c', k3404p, k3404q, k3404qz),
            grade("3405 GOST USSR 21427", 'c', k3405p, k3405q, k3405qz)};
}

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
