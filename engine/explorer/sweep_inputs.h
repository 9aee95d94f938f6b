#pragma once

#include "common/input_range.h"
#include "explorer/sweep.h"
#include "explorer/variant_result.h"

#include <QString>
#include <optional>
#include <vector>

// The design explorer's own fields as the user typed them, read into the
// ranges of a sweep and its prices. Each field is converted and held to what
// it may hold; a refusal names the field (its objectName) and says "L must
// be R: T" in the words of the Stage I ranges.
namespace dravik {

// What the steps of lc and C and the prices accept; the other fields
// accept what the Stage I field they stand for accepts.
inline constexpr InputRange kSweepStepRange{1, true, 5000, "at least 1 and at most 5000"};
inline constexpr InputRange kSweepPriceRange{0, true, 1e9, "0 to 1000000000"};

struct SweepTexts {
    std::vector<int> offeredDiameters;  // the items the diameter lists offer
    int diameterFrom = 0, diameterTo = 0;  // positions chosen in them
    QString lcFrom, lcTo, lcStep;       // Ed_Lc_ot, Ed_Lc_do, Ed_Lc_shag (mm)
    QString cFrom, cTo, cStep;          // Ed_C_ot, Ed_C_do, Ed_C_shag (mm)
    QString layersFrom, layersTo;       // Ed_n_sl_ot, Ed_n_sl_do
    std::vector<int> steelIndexes;      // ticked in CLB_Stali
    std::vector<int> materialItems;     // ticked: ChB_Medj (copper), ChB_Aljuminij
    QString steelPrice, copperPrice, aluminiumPrice;  // Ed_Cena_stali, Ed_Cena_medi, Ed_Cena_aljuminija
    QString A, B;                       // Ed_Koef_A, Ed_Koef_B
};

// Where the ranges start when the window opens from Stage I: the standard
// diameter of the power (else the middle one offered) with two on each side,
// as positions in `diameters.items`.
struct DiameterPositions {
    int from = 0, to = 0;
};
DiameterPositions defaultDiameterPositions(const StandardDiameters& diameters);

// The standard window of the power, or for a power without one the window
// Stage I holds, from 10 % below to 20 % above, whole mm; empty when the
// power or that window is no number.
struct WindowRanges {
    long lcFrom = 0, lcTo = 0, cFrom = 0, cTo = 0;
};
std::optional<WindowRanges> defaultWindowRanges(const MagneticInputs& stage1, const CoreGeometryMemory& memory);

// The ranges, checked field by field; then the number of variants they
// make, at most kMaxVariants.
SweepRanges readSweepRanges(const SweepTexts& texts);

// The prices and the loss evaluation factors: numbers of at least 0.
Prices readPrices(const SweepTexts& texts);

}  // namespace dravik
