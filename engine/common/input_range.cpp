#include "common/input_range.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"

namespace dravik {

QString outOfRangeText(const QString& caption, const QString& rangeWords, const QString& typed) {
    return QString::fromUtf8(texts::kOutOfRange).arg(caption, rangeWords, typed);
}

void requireInRange(double value, const InputRange& range, const FieldName& field, const QString& typed) {
    if (range.contains(value)) return;
    throw CommandError(outOfRangeText(field.caption, QString::fromUtf8(range.words), typed), field.control);
}

}  // namespace dravik
