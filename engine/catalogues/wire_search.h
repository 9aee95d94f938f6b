#pragma once

#include "design/wire_record.h"

#include <QString>
#include <optional>
#include <vector>

namespace dravik {

// "Searches of the table": the next wire after the selected grid row whose
// section lies strictly within ±10 % of the section asked for, whose material
// is like the one asked for (similarity above 80) and whose shape is the one
// asked for. Wires whose section is not above 0 are passed over.
struct WireSearchResult {
    int row;     // grid row to make current (and sel_row)
    bool found;  // false: the scan reached the end, row is 1
};

// shapeIndex is the item of the window's shape list (shapeCodeOfItem).
// sectionText is the search field as typed; its first "." is read as ","
// (the field itself keeps its text). A text that is still not a number raises
// the conversion error. The rows scanned are selRow+1 .. count-1; nullopt
// when that range is empty (nothing changes).
std::optional<WireSearchResult> searchWires(const std::vector<WireRecord>& records, int selRow,
                                            const QString& sectionText, const QString& material, int shapeIndex);

}  // namespace dravik
