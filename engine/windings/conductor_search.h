#pragma once

#include "design/wire_record.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// Pieces shared by the conductor searches of the KU and LV windings: which
// catalogue records may be wound at all, and how many parallel strands a
// record needs to make up a required section.
namespace dravik {

// The winding material as the material selector names it.
enum class WindingMaterial { Copper, Aluminum, Other };
WindingMaterial windingMaterial(const QString& selectedText);

// A record may be wound when its material text equals the selected material
// exactly, its shape code is the one asked for and its section is a usable
// positive number (placeholders and slips of the pen never take part).
bool isEligible(const WireRecord& record, const QString& material, QByteArrayView shapeCode);

// Above this many parallel strands a winding is awkward to wind, and the LV
// and HV searches follow their choice with tooManyStrandsLine().
inline constexpr int kStrandsWithoutWarning = 4;
QString tooManyStrandsLine();

// low <= value <= high, both bounds included.
bool withinInclusive(double value, double low, double high);

// Strands of section s_mm2 that make up s_est_mm2: Round(s_est / s), half to
// even. Empty when the ratio s_est / s exceeds maxRatio, so a strand far too
// thin for the winding is passed over before it is ever rounded.
std::optional<std::int64_t> strandsFor(double s_est_mm2, double s_mm2, double maxRatio);

}  // namespace dravik
