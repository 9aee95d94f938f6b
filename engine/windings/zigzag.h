#pragma once

#include <QString>

namespace dravik {

// The largest zigzag angle the LV split accepts, in degrees.
inline constexpr double kLargestZigzagAngle_deg = 60;

// The zigzag angle β typed in degrees (Ed_b, read exactly as typed: a decimal
// comma, no point correction) as radians for the zigzag split of the LV
// turns. 0..60 degrees covers every split of a phase between its two rods;
// any other angle is refused with "Angle must be 0..60 degrees", and a text
// that is not a number with the conversion error. The caller keeps its
// previous angle on either failure.
double zigzagAngleFromText(const QString& degreesText);

}  // namespace dravik
