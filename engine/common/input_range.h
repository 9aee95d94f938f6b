#pragma once

#include <QString>

namespace dravik {

// The values a numeric input may take: what a distribution transformer can
// physically have, not what the calculation merely survives. The lower end
// is open ("above 0") or closed ("0 to 2000", "at least 1"); the upper end
// is always closed. `words` is how the refusal names the range.
struct InputRange {
    double low;
    bool lowIncluded;
    double high;
    const char* words;

    constexpr bool contains(double value) const {
        return (lowIncluded ? value >= low : value > low) && value <= high;
    }
};

// An input as a refusal names it: the control the user typed into and the
// caption the window shows for it (without a trailing colon).
struct FieldName {
    QString control;
    QString caption;
};

// "L must be R: T" - the caption, the range in words, the text as read.
QString outOfRangeText(const QString& caption, const QString& rangeWords, const QString& typed);

// Stops the command with the refusal above, naming the field, when `value`
// lies outside `range`.
void requireInRange(double value, const InputRange& range, const FieldName& field, const QString& typed);

}  // namespace dravik
