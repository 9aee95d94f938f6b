#pragma once

#include <QString>
#include <array>

namespace dravik {

// One characteristic point of an electrical steel at 50 Hz.
struct SteelPoint {
    double B = 0;   // T, induction
    double p = 0;   // W/kg, specific losses
    double q = 0;   // VA/kg, specific magnetising power
    double qz = 0;  // VA/m2, magnetising power of a butt joint
};

// Value that stands for "no data at this induction".
inline constexpr double kNoData = 0.01;

// Room for points per steel; the calculation scans the first 25.
inline constexpr int kPointRoom = 100;
inline constexpr int kCurvePoints = 25;

// A catalogue entry: a built-in grade or a steel stored in Stal.dat.
struct SteelEntry {
    QString name;
    char rolling = 0;  // 'c' cold-rolled, 'h' hot-rolled, 0 none
    std::array<SteelPoint, kPointRoom> points{};  // points[0] is point 1
    double thickness_mm = 0;  // stored steels only; not used by the calculation
};

}  // namespace dravik
