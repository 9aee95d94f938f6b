#include "windings/zigzag.h"

#include "common/command_error.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"

#include <numbers>

namespace dravik {

// β = degrees · π / 180, with π and the product in extended precision.
double zigzagAngleFromText(const QString& degreesText) {
    const double degrees = readField(QStringLiteral("Ed_b"), [&] {
        const double typed = parseFloat(degreesText);
        if (!(typed >= 0 && typed <= kLargestZigzagAngle_deg)) throw CommandError(texts::kAngleRange);
        return typed;
    });
    return static_cast<double>(static_cast<long double>(degrees) * std::numbers::pi_v<long double> / 180.0L);
}

}  // namespace dravik
