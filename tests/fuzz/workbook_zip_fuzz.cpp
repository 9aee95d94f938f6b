// The steel-curve workbook import on raw file bytes: whatever the file is,
// it reads as three sheets of at most 13 rows or stops with one message.

#include "catalogues/workbook_reader.h"
#include "common/command_error.h"
#include "fuzz_target.h"

#include <QByteArray>

using namespace dravik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        readCurveWorkbook(bytes, QStringLiteral("fuzzed.xlsx"), 1024 * 1024);
    } catch (const CommandError& error) {
        fuzz::require(!error.text().isEmpty(), "a refusal says why");
    }
    return 0;
}
