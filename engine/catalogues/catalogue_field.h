#pragma once

#include "common/command_error.h"
#include "common/input_range.h"

#include <QString>

namespace dravik {

// A field of a catalogue editor ("Add wire", the steel editor): its control
// and its caption as the window shows it (followed there by a colon). The
// window builds its label from it, and a refusal names the field by it.
struct CatalogueField {
    const char* control;
    const char* caption;

    QString label() const { return QString::fromUtf8(caption) + QLatin1Char(':'); }
    FieldName name() const { return FieldName{QString::fromUtf8(control), QString::fromUtf8(caption)}; }

    // Stops the command with "L must be R: T" for a value no range of
    // numbers describes, naming this field.
    [[noreturn]] void refuse(const char* rangeWords, const QString& typed) const {
        throw CommandError(outOfRangeText(QString::fromUtf8(caption), QString::fromUtf8(rangeWords), typed),
                           QString::fromUtf8(control));
    }
};

}  // namespace dravik
