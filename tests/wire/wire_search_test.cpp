#include "catalogues/wire_search.h"
#include "common/command_error.h"
#include "wire/wire_samples.h"

#include <gtest/gtest.h>

#include <limits>

namespace dravik {
namespace {

using test::rectWire;
using test::roundWire;

constexpr int kRect = 0;
constexpr int kCikl = 1;

// Rows 0..8 of a grid, as a user would see them.
const std::vector<WireRecord>& catalogue() {
    static const std::vector<WireRecord> wires = {
        rectWire("ПБ", 9.0),                            // 0: exactly 0.9·10
        rectWire("ПБ", 11.0),                           // 1: exactly 1.1·10
        rectWire("ПБ", 10.5, "Aluminum"),               // 2: other material
        roundWire("ПЭТВ", 3.55, 9.9),                   // 3: round
        rectWire("ПБ", 9.5),                            // 4: a match
        rectWire("ПБ", 0.0),                            // 5
        rectWire("ПБ", 10.99996),                       // 6: shown as 11,000
        rectWire("ПБ", 10.0),                           // 7: a match
        rectWire("ПБ", std::numeric_limits<double>::infinity()),  // 8
    };
    return wires;
}

std::optional<WireSearchResult> search(int selRow, const char* section, const char* material, int shape) {
    return searchWires(catalogue(), selRow, QString::fromUtf8(section), QString::fromUtf8(material), shape);
}

TEST(WireSearch, FindsTheNextMatchAfterTheSelection) {
    struct Case {
        const char* name;
        int selRow;
        const char* section;
        const char* material;
        int shape;
        int row;
        bool found;
    };
    const Case cases[] = {
        {"bounds 9 and 11 are outside", -1, "10", "Copper", kRect, 4, true},
        {"find next", 4, "10", "Copper", kRect, 7, true},
        {"end reached: back to row 1", 7, "10", "Copper", kRect, 1, false},
        {"the selected row itself is not scanned", 3, "9,9", "Copper", kCikl, 1, false},
        {"cikl finds round wires", 0, "9,9", "Copper", kCikl, 3, true},
        {"a point reads as a comma", 0, "9.9", "Copper", kCikl, 3, true},
        {"material by similarity", 0, "10,5", " Alu minum", kRect, 2, true},
        {"material too unlike", 0, "10,5", "Alumin", kRect, 1, false},
        {"zero asked finds nothing", -1, "0", "Copper", kRect, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = search(c.selRow, c.section, c.material, c.shape);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->row, c.row);
        EXPECT_EQ(result->found, c.found);
    }
}

// The grid shows 10.99996 as 11,000, which is 1.1·10: outside the band. The
// same wire is inside the band of 10.1.
TEST(WireSearch, ComparesTheSectionAsTheGridShowsIt) {
    const auto result = search(5, "10", "Copper", kRect);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->row, 7);
    EXPECT_EQ(search(5, "10,1", "Copper", kRect)->row, 6);
}

// 3,3 is 1,1 times 3 and 6,3 is 0,9 times 7 on paper: both on the bound.
TEST(WireSearch, BoundsHoldForSectionsNotExactInBinary) {
    const std::vector<WireRecord> wires = {rectWire("ПБ", 1.0), rectWire("ПБ", 3.3), rectWire("ПБ", 6.3),
                                           rectWire("ПБ", 7.7), rectWire("ПБ", 3.2)};
    EXPECT_EQ(searchWires(wires, 0, "3", "Copper", kRect)->row, 4);
    EXPECT_FALSE(searchWires(wires, 0, "7", "Copper", kRect)->found);
}

TEST(WireSearch, EmptyScanRangeChangesNothing) {
    EXPECT_FALSE(search(8, "10", "Copper", kRect).has_value());   // the last wire selected
    EXPECT_FALSE(search(9, "10", "Copper", kRect).has_value());   // the blank row
    EXPECT_FALSE(searchWires({}, 0, "10", "Copper", kRect).has_value());
}

TEST(WireSearch, SectionsNotAboveZeroAreSkipped) {
    const std::vector<WireRecord> wires = {rectWire("ПБ", 1.0), rectWire("ПБ", -10.0), rectWire("ПБ", 0.0)};
    EXPECT_FALSE(searchWires(wires, 0, "-10", "Copper", kRect)->found);
    EXPECT_FALSE(searchWires(wires, 0, "0", "Copper", kRect)->found);
}

TEST(WireSearch, TextThatIsNotANumberRaisesTheConversionError) {
    for (const char* text : {"", "1.2.3", "abc"}) {
        SCOPED_TRACE(text);
        try {
            search(0, text, "Copper", kRect);
            ADD_FAILURE() << "accepted";
        } catch (const CommandError& error) {
            const QString shown = QString::fromUtf8(text).replace(QString::fromUtf8("1.2"), QStringLiteral("1,2"));
            EXPECT_EQ(error.text(), QStringLiteral("'%1' is not a valid floating point value").arg(shown));
        }
    }
}

}  // namespace
}  // namespace dravik
