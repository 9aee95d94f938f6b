#include "magnetic/rated_data.h"

namespace dravik {
namespace {

// The band of powers a rated row covers, as fractions of its power.
constexpr double kLowerPowerBand = 0.7;
constexpr double kUpperPowerBand = 1.3;

bool withinBand(const RatedRow& row, double S, double U_hv) {
    return kLowerPowerBand * row.S_kVA <= S && S <= kUpperPowerBand * row.S_kVA && row.U_kV == U_hv;
}

bool nearerToNext(const RatedRow& row, const RatedRow& next, double S, double U_hv) {
    return (S - row.S_kVA) > (next.S_kVA - S) && S <= next.S_kVA && next.U_kV == U_hv;
}

}  // namespace

std::optional<int> matchRatedRow(double S_kVA, double U_hv_kV) {
    for (int i = 0; i + 1 < static_cast<int>(kRatedData.size()); ++i) {
        const RatedRow& row = kRatedData[static_cast<size_t>(i)];
        const RatedRow& next = kRatedData[static_cast<size_t>(i + 1)];
        std::optional<int> taken;
        if (withinBand(row, S_kVA, U_hv_kV)) taken = i;
        if (nearerToNext(row, next, S_kVA, U_hv_kV)) taken = i + 1;
        if (taken) return taken;
    }
    return std::nullopt;
}

}  // namespace dravik
