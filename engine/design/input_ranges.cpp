#include "design/input_ranges.h"

#include <stdexcept>

namespace dravik {

const RangedInput& rangedInput(QStringView control) {
    for (const RangedInput& input : kRangedInputs) {
        if (control == QLatin1String(input.control)) return input;
    }
    throw std::logic_error("no range for the input " + control.toString().toStdString());
}

QString captionOfLabel(const QString& labelText) {
    QString caption = labelText.trimmed();
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    return caption.trimmed();
}

void requireInputInRange(const RangedInput& field, double value, const NumberInput& input, const QString& labelText) {
    if (field.range.contains(value)) return;
    const QString caption = *field.caption != '\0' ? QString::fromUtf8(field.caption) : captionOfLabel(labelText);
    requireInRange(value, field.range, {QString::fromLatin1(field.control), caption}, input.quoted());
}

}  // namespace dravik
