#include "drawings/geometry/drawing_numbers.h"

#include "common/command_error.h"
#include "common/number_text.h"

#include <cmath>
#include <vector>

namespace dravik {

std::optional<double> typedNumber(const QString& text) {
    try {
        return parseFloat(firstPointToComma(text));
    } catch (const CommandError&) {
        return std::nullopt;
    }
}

std::optional<std::vector<double>> typedNumbers(const QStringList& texts) {
    std::vector<double> numbers;
    numbers.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts) {
        const std::optional<double> number = typedNumber(text);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

QString sizeText(double mm) {
    const bool whole = std::fabs(mm - std::round(mm)) < 0.05;
    return formatFixed(mm, whole ? 0 : 1);
}

QString sizeLabel(const QString& name, double mm) { return name + QLatin1Char('=') + sizeText(mm); }

}  // namespace dravik
