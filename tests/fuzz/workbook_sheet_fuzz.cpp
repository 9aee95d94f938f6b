// The steel-curve workbook import on the XML of a sheet: the input is the
// worksheet part of "Лист1" in a workbook that is otherwise sound, made
// here, so that every input reaches the sheet reader (blind changes to a
// zip file rarely pass its checksums). Shared strings are there to refer to.

#include "catalogues/workbook_reader.h"
#include "common/command_error.h"
#include "fuzz_target.h"
#include "support/xlsx_parts.h"

#include <QByteArray>

using namespace dravik;

namespace {

const QByteArray kSharedStrings =
    "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<si><t>1,5</t></si><si><r><t>0,</t></r><r><t>25</t></r></si><si><t>нет</t></si></sst>";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray sheet(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray plain = test::worksheet(test::row(1, test::cell("A1", "1") + test::cell("B1", "2")));
    std::vector<test::ZipEntry> entries = test::xlsxEntries({{"Лист1", sheet, "worksheets/sheet1.xml"},
                                                             {"Лист2", plain, "worksheets/sheet2.xml"},
                                                             {"Лист3", plain, "worksheets/sheet3.xml"}},
                                                            kSharedStrings);
    for (test::ZipEntry& entry : entries) entry.stored = true;  // no time spent compressing
    try {
        const auto sheets = readCurveWorkbook(test::zipBytes(entries), QStringLiteral("fuzzed.xlsx"), 1024 * 1024);
        fuzz::require(sheets[1][0][0] == QStringLiteral("1"), "the other sheets read as they are");
    } catch (const CommandError& error) {
        fuzz::require(!error.text().isEmpty(), "a refusal says why");
    }
    return 0;
}
