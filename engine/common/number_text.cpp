#include "common/number_text.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/runtime_texts.h"

#include <charconv>
#include <cmath>
#include <string>

namespace dravik {
namespace {

// Exact decimal expansion of |value|: integer digits and fraction digits.
// glibc prints the exact binary value when asked for enough digits; a
// double has at most 1074 fraction digits.
struct ExactDecimal {
    std::string integer;   // no leading zeros, "0" for values below 1
    std::string fraction;  // every digit of the exact value
};

ExactDecimal exactDecimal(double magnitude) {
    // to_chars is exact at this precision and, unlike printf, ignores the
    // process locale's decimal separator.
    const int precision = magnitude >= 1e-5 ? 80 : 1100;
    std::string buffer(static_cast<size_t>(precision) + 400, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, precision);
    buffer.resize(static_cast<size_t>(result.ptr - buffer.data()));
    const auto point = buffer.find('.');
    return {buffer.substr(0, point), buffer.substr(point + 1)};
}

// Digits of |value| rounded half away from zero at `decimals` places
// (decimals may be 0). Returns the digit string without a point and the
// number of integer digits in it.
struct RoundedDigits {
    std::string digits;
    int integerDigits;
};

RoundedDigits roundAwayAt(const ExactDecimal& exact, int decimals) {
    std::string digits = exact.integer + exact.fraction.substr(0, static_cast<size_t>(decimals));
    const char next = static_cast<size_t>(decimals) < exact.fraction.size() ? exact.fraction[static_cast<size_t>(decimals)] : '0';
    int integerDigits = static_cast<int>(exact.integer.size());
    if (next >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
            digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[static_cast<size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++integerDigits;
        }
    }
    // Drop leading zeros of the integer part, keeping one.
    while (integerDigits > 1 && digits.front() == '0') {
        digits.erase(digits.begin());
        --integerDigits;
    }
    return {digits, integerDigits};
}

bool allZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

int significantIntegerDigits(const std::string& integer) {
    return integer == "0" ? 0 : static_cast<int>(integer.size());
}

// "1,2346E+005": five significant digits, rounded half away from zero.
QString formatExponent(double magnitude, bool negative) {
    char buffer[128];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), magnitude, std::chars_format::scientific, 60);
    std::string text(buffer, written.ptr);
    const auto ePos = text.find('e');
    int exponent = std::stoi(text.substr(ePos + 1));
    std::string mantissa = text.substr(0, 1) + text.substr(2, ePos - 2);  // digits only
    ExactDecimal asDecimal{mantissa.substr(0, 1), mantissa.substr(1)};
    RoundedDigits rounded = roundAwayAt(asDecimal, 4);
    if (rounded.integerDigits > 1) {  // 9,99995 became 10,0000
        rounded.digits.pop_back();
        ++exponent;
    }
    QString result = negative ? QStringLiteral("-") : QString();
    result += QLatin1Char(rounded.digits[0]);
    result += QLatin1Char(',');
    result += QString::fromStdString(rounded.digits.substr(1, 4));
    result += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    result += QStringLiteral("%1").arg(std::abs(exponent), 3, 10, QLatin1Char('0'));
    return result;
}

[[noreturn]] void notAFloat(const QString& text) {
    throw CommandError(QString::fromUtf8(texts::kNotFloat).arg(text));
}

[[noreturn]] void notAnInteger(const QString& text) {
    throw CommandError(QString::fromUtf8(texts::kNotInteger).arg(text));
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

QString formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value != value ? QStringLiteral("Nan") : (value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf"));
    }
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    const ExactDecimal exact = exactDecimal(magnitude);
    const int integerDigits = significantIntegerDigits(exact.integer);
    if (integerDigits > 5) {
        return formatExponent(magnitude, negative);
    }
    const int roundAt = std::min(decimals, 5 - integerDigits);
    RoundedDigits rounded = roundAwayAt(exact, roundAt);
    if (rounded.integerDigits > 5) {
        return formatExponent(magnitude, negative);
    }
    std::string integer = rounded.digits.substr(0, static_cast<size_t>(rounded.integerDigits));
    std::string fraction = rounded.digits.substr(static_cast<size_t>(rounded.integerDigits));
    fraction.resize(static_cast<size_t>(decimals), '0');
    QString result;
    if (negative && !(allZero(integer) && allZero(fraction))) {
        result += QLatin1Char('-');
    }
    result += QString::fromStdString(integer);
    if (decimals > 0) {
        result += QLatin1Char(',');
        result += QString::fromStdString(fraction);
    }
    return result;
}

QString formatF3(double value) { return formatFixed(value, 3); }
QString formatF1(double value) { return formatFixed(value, 1); }
QString reportF3(double value) { return formatF3(plausible(value)); }
QString reportF1(double value) { return formatF1(plausible(value)); }

QString formatWholeRoundedAway(long double value) {
    const long double rounded = std::round(value);  // halves away from zero
    const long long whole = static_cast<long long>(rounded);
    return QString::number(whole == 0 ? 0 : whole);
}

double parseFloat(const QString& text) {
    const QString trimmed = text.trimmed();
    std::string ascii;
    ascii.reserve(static_cast<size_t>(trimmed.size()));
    int i = 0;
    const int n = static_cast<int>(trimmed.size());
    if (i < n && (trimmed[i] == QLatin1Char('+') || trimmed[i] == QLatin1Char('-'))) {
        if (trimmed[i] == QLatin1Char('-')) ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool comma = false;
    for (; i < n; ++i) {
        const QChar c = trimmed[i];
        if (isDigit(c)) {
            ascii += static_cast<char>(c.unicode());
            ++mantissaDigits;
        } else if (c == QLatin1Char(',') && !comma) {
            ascii += '.';
            comma = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) notAFloat(text);
    if (i < n && (trimmed[i] == QLatin1Char('e') || trimmed[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < n && (trimmed[i] == QLatin1Char('+') || trimmed[i] == QLatin1Char('-'))) {
            ascii += static_cast<char>(trimmed[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        for (; i < n && isDigit(trimmed[i]); ++i) {
            ascii += static_cast<char>(trimmed[i].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0) notAFloat(text);
    }
    if (i != n) notAFloat(text);
    double value = 0.0;
    const char* first = ascii.data();
    const auto [end, error] = std::from_chars(first, first + ascii.size(), value);
    if (error != std::errc() || end != first + ascii.size() || !std::isfinite(value)) notAFloat(text);
    return value;
}

int parseInt(const QString& text) {
    const QString trimmed = text.trimmed();
    std::string ascii;
    int i = 0;
    const int n = static_cast<int>(trimmed.size());
    if (i < n && (trimmed[i] == QLatin1Char('+') || trimmed[i] == QLatin1Char('-'))) {
        if (trimmed[i] == QLatin1Char('-')) ascii += '-';
        ++i;
    }
    if (i == n) notAnInteger(text);
    for (; i < n; ++i) {
        if (!isDigit(trimmed[i])) notAnInteger(text);
        ascii += static_cast<char>(trimmed[i].unicode());
    }
    int value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) notAnInteger(text);
    return value;
}

QString firstPointToComma(const QString& text) {
    QString result = text;
    const qsizetype point = result.indexOf(QLatin1Char('.'));
    if (point >= 0) result[point] = QLatin1Char(',');
    return result;
}

}  // namespace dravik
