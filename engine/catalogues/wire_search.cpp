#include "catalogues/wire_search.h"

#include "common/number_text.h"
#include "common/similarity.h"

#include <algorithm>

namespace dravik {
namespace {

// A wire of the material asked for scores above this.
constexpr double kMaterialSimilarityPercent = 80.0;

// The section as the grid's column shows it (3 decimals, 5 significant
// digits), read back as a number: the search compares what the user sees.
double shownSection(const WireRecord& wire) {
    return parseFloat(formatF3(wire.s));
}

// 0.9·x < s < 1.1·x, compared as 10·s against 9·x and 11·x so that a section
// exactly 10 % off (9 or 11 for 10) stays outside, as it does on paper.
bool withinTenPercent(double s, double x) {
    return s * 10.0 > x * 9.0 && s * 10.0 < x * 11.0;
}

bool wireMatches(const WireRecord& wire, double x, const QString& material, const QByteArray& shape) {
    return wire.hasUsableSection() && wire.Vid == shape && withinTenPercent(shownSection(wire), x) &&
           nameSimilarity(wire.mater(), material) > kMaterialSimilarityPercent;
}

}  // namespace

std::optional<WireSearchResult> searchWires(const std::vector<WireRecord>& records, int selRow,
                                            const QString& sectionText, const QString& material, int shapeIndex) {
    const double x = parseFloat(firstPointToComma(sectionText));
    const int count = static_cast<int>(records.size());
    const int first = std::max(selRow + 1, 0);
    if (first > count - 1) return std::nullopt;

    const QByteArray shape = shapeCodeOfItem(shapeIndex);
    for (int row = first; row < count; ++row) {
        if (wireMatches(records[static_cast<size_t>(row)], x, material, shape)) return WireSearchResult{row, true};
    }
    return WireSearchResult{1, false};
}

}  // namespace dravik
