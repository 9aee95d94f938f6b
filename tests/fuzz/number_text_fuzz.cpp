// The number texts of every field: whatever is typed, the parser either
// refuses it with the conversion error or gives a finite number, and every
// number the reports write reads back.

#include "common/command_error.h"
#include "common/number_text.h"
#include "fuzz_target.h"

#include <QString>
#include <cmath>

using namespace dravik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        parseInt(text);
    } catch (const CommandError&) {
    }
    double value = 0;
    try {
        value = parseFloat(firstPointToComma(text));
    } catch (const CommandError&) {
        return 0;
    }
    fuzz::require(std::isfinite(value), "a parsed number is finite");
    for (const QString& shown : {formatF3(value), formatF1(value)}) {
        try {
            fuzz::require(std::isfinite(parseFloat(shown)), "a written number reads back as a finite number");
        } catch (const CommandError&) {
            fuzz::require(false, "a written number reads back");
        }
    }
    return 0;
}
