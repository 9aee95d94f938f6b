#pragma once

#include <QString>
#include <optional>
#include <variant>

namespace dravik {

// A number input of a calculation step: the text of its field as a window
// holds it, or a value the program chose (the design explorer's variants).
// A step reads either kind through one reader at the place it reads the
// field: a text is converted and then checked, a value only checked, so both
// meet the same refusals, in the same order, with the same effect on the
// report.
class NumberInput {
public:
    NumberInput() = default;  // an empty text
    NumberInput(QString text) : content_(std::move(text)) {}
    NumberInput(const char* utf8Text) : content_(QString::fromUtf8(utf8Text)) {}
    static NumberInput of(double value) {
        NumberInput input;
        input.content_ = value;
        return input;
    }

    bool isText() const { return std::holds_alternative<QString>(content_); }
    const QString& text() const { return std::get<QString>(content_); }
    double value() const { return std::get<double>(content_); }

    // The input as a refusal quotes it: the text as read, or the value in
    // the shortest decimal form that reads back as it, with a comma.
    QString quoted() const;

    bool operator==(const NumberInput&) const = default;

private:
    std::variant<QString, double> content_;
};

// A text input with its first "." made "," (a point typed out of habit);
// a value as it is.
NumberInput firstPointToComma(const NumberInput& input);

// As above, and a text input's rewritten text kept in `shown` for the
// window to show from then on; a value leaves `shown` alone.
NumberInput pointAsComma(const NumberInput& input, std::optional<QString>& shown);

// The input as a floating-point number: a text through the decimal-comma
// conversion, a value as it is.
double floatOf(const NumberInput& input);

// The input as an integer: a text through the integer conversion, a value
// when it is a whole number within the 32-bit range. Anything else fails
// with "'T' is not a valid integer value".
int integerOf(const NumberInput& input);

}  // namespace dravik
