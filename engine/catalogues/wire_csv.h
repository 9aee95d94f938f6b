#pragma once

#include "design/wire_record.h"

#include <QByteArray>
#include <stdexcept>
#include <vector>

namespace dravik {

// The standard wire range shipped with the program is kept as a UTF-8 text
// table, one wire a line, under the header
//   Tip,Vid,D,a,b,s,2delta,Mater
// Vid is "round" or "rect"; the sizes are in mm and mm2 with a decimal point.
// A field may be quoted ("...", with "" for a quote) to hold a comma.
class WireCsvError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The wires in the order of the lines. A wrong header, a wrong number of
// fields, a size that is not a finite number, an unknown shape or a name
// that does not fit the catalogue (Windows-1251, 50 bytes) fails with
// WireCsvError naming the line.
std::vector<WireRecord> parseWireCsv(const QByteArray& utf8);

}  // namespace dravik
