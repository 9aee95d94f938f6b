#pragma once

#include "design/wire_record.h"

#include <vector>

namespace dravik {

// The order the catalogue keeps after every addition: wires of one kind
// together, kinds in the order their first wire appears, and within a kind
// by ascending cross-section s.
//
// A kind (group) is keyed by its founding wire's Tip, Vid, Mater and 2δ. A
// wire belongs to the first group whose key it matches: Tip similarity above
// 90 (blanks ignored), Vid and Mater byte for byte, 2δ bit for bit. A wire
// that matches no group founds one and belongs to it, even when its own name
// is too short to score against itself. Every wire thus lands in exactly one
// group: none is lost or repeated, and there is no limit on groups.
//
// Within a group the order is that of an exchange of neighbours whenever the
// earlier s is strictly greater: equal sections keep their order, and a
// section that is not a number never moves and is never passed.
std::vector<WireRecord> regroupAndSort(const std::vector<WireRecord>& records);

}  // namespace dravik
