#include "common/number_input.h"

#include "common/command_error.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace dravik {

QString NumberInput::quoted() const {
    if (isText()) return text();
    char digits[64];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), value());
    return QString::fromLatin1(digits, written.ptr - digits).replace(QLatin1Char('.'), QLatin1Char(','));
}

NumberInput firstPointToComma(const NumberInput& input) {
    return input.isText() ? NumberInput(firstPointToComma(input.text())) : input;
}

NumberInput pointAsComma(const NumberInput& input, std::optional<QString>& shown) {
    if (!input.isText()) return input;
    shown = firstPointToComma(input.text());
    return *shown;
}

double floatOf(const NumberInput& input) { return input.isText() ? parseFloat(input.text()) : input.value(); }

int integerOf(const NumberInput& input) {
    if (input.isText()) return parseInt(input.text());
    const double value = input.value();
    if (value != std::trunc(value) || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max()) {
        throw CommandError(QString::fromUtf8(texts::kNotInteger).arg(input.quoted()));
    }
    return static_cast<int>(value);
}

}  // namespace dravik
