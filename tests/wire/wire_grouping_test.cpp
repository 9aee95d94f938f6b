#include "catalogues/wire_grouping.h"
#include "common/similarity.h"
#include "wire/wire_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstring>
#include <random>

namespace dravik {
namespace {

using test::rectWire;
using test::roundWire;
using test::sectionsOf;

// Percentages worked by hand from the letter-pair rule: a run of k found
// pairs scores k + 1 letters, over the longer text's length.
TEST(NameSimilarity, HandWorkedCases) {
    struct Case {
        const char* x;
        const char* y;
        double percent;
    };
    const Case cases[] = {
        {"ABCD", "ABCD", 100.0},
        {"ABCD", "ABXD", 50.0},      // only AB is found: 2 / 4
        {"ABXCD", "ABYCD", 80.0},    // AB and CD, two runs: 4 / 5
        {"АПБ", "ПБ", 200.0 / 3.0},  // ПБ found in АПБ: 2 / 3
        {"ПБ", "АПБ", 200.0 / 3.0},
        {"П Б", "ПБ", 100.0},  // blanks do not count
        {" Copper ", "Copper", 100.0},
        {"Aluminum", "Copper", 0.0},
        {"A", "A", 0.0},  // one letter has no pair
        {" ", " ", 0.0},  // nothing left once blanks go
        {"", "Copper", 0.0},
        {"Copper", "", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.x) + " vs " + c.y);
        EXPECT_DOUBLE_EQ(nameSimilarity(QString::fromUtf8(c.x), QString::fromUtf8(c.y)), c.percent);
    }
}

TEST(RegroupAndSort, NamesDifferingByBlanksFormOneGroupSortedBySection) {
    const std::vector<WireRecord> wires = {rectWire("ПБ", 3.0), rectWire("П Б", 1.0), rectWire(" ПБ", 2.0)};
    EXPECT_EQ(regroupAndSort(wires), (std::vector<WireRecord>{wires[1], wires[2], wires[0]}));
}

// Any difference in shape, material or 2δ makes another kind of wire, however
// alike the names; kinds keep the order of their first wire.
TEST(RegroupAndSort, KeyFieldsSeparateGroupsInOrderOfFirstMember) {
    const std::vector<WireRecord> wires = {
        rectWire("ПБ", 5.0, "Copper", 0.45),      // group 1
        rectWire("ПБ", 4.0, "Copper", 0.55),      // group 2: other 2δ
        rectWire("ПБ", 3.0, "Aluminum", 0.45),    // group 3: other material
        roundWire("ПБ", 1.0, 2.0, "Copper", 0.45),  // group 4: round
        rectWire("ПБ", 1.0, "Copper", 0.55),      // group 2
        rectWire("ПБ", 2.0, "Copper", 0.45),      // group 1
    };
    EXPECT_EQ(regroupAndSort(wires),
              (std::vector<WireRecord>{wires[5], wires[0], wires[4], wires[1], wires[2], wires[3]}));
}

TEST(RegroupAndSort, TwoDeltaComparedBitForBit) {
    WireRecord positiveZero = rectWire("ПБ", 2.0, "Copper", 0.0);
    WireRecord negativeZero = rectWire("ПБ", 1.0, "Copper", -0.0);
    EXPECT_EQ(regroupAndSort({positiveZero, negativeZero}), (std::vector<WireRecord>{positiveZero, negativeZero}));
}

TEST(RegroupAndSort, EqualSectionsKeepTheirOrder) {
    const std::vector<WireRecord> wires = {
        rectWire("ПБ", 2.0, "Copper", 0.45, 1.0), rectWire("ПБ", 1.0, "Copper", 0.45, 2.0),
        rectWire("ПБ", 2.0, "Copper", 0.45, 3.0), rectWire("ПБ", 1.0, "Copper", 0.45, 4.0),
    };
    EXPECT_EQ(regroupAndSort(wires), (std::vector<WireRecord>{wires[1], wires[3], wires[0], wires[2]}));
}

// A name of fewer than two letters scores 0 even against itself: every such
// wire founds a group of its own and is kept, none is dropped.
TEST(RegroupAndSort, WiresWithoutLetterPairsAreKeptInPlace) {
    const std::vector<WireRecord> wires = {rectWire(" ", 3.0), rectWire("A", 2.0), rectWire(" ", 1.0),
                                           rectWire("", 0.5)};
    EXPECT_EQ(regroupAndSort(wires), wires);
}

// Similarity is not transitive. With base = A..T, K1 and K2 each change one
// letter: K2 against K1 scores 18/20 = 90 (not above 90), so they found two
// groups, while the base name scores 19/20 = 95 against both. It joins the
// first group only.
TEST(RegroupAndSort, WireMatchingTwoGroupsJoinsTheFirstOnly) {
    const WireRecord k1 = rectWire("ABCDExGHIJKLMNOPQRST", 2.0);
    const WireRecord k2 = rectWire("ABCDEFGHIJKLMNyPQRST", 2.0);
    const WireRecord base = rectWire("ABCDEFGHIJKLMNOPQRST", 1.0);
    ASSERT_EQ(nameSimilarity(k2.tip(), k1.tip()), 90.0);
    EXPECT_EQ(regroupAndSort({k1, k2, base}), (std::vector<WireRecord>{base, k1, k2}));
}

// A section that is not a number never changes place with a neighbour, so
// it stays where it is and the wires on each side are sorted apart.
TEST(RegroupAndSort, SectionThatIsNotANumberIsABarrier) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<WireRecord> wires = {rectWire("ПБ", 3.0), rectWire("ПБ", 1.0), rectWire("ПБ", nan),
                                           rectWire("ПБ", 0.5), rectWire("ПБ", 0.2)};
    const auto sorted = regroupAndSort(wires);
    ASSERT_EQ(sorted.size(), 5u);
    EXPECT_EQ(sorted[0].s, 1.0);
    EXPECT_EQ(sorted[1].s, 3.0);
    EXPECT_TRUE(std::isnan(sorted[2].s));
    EXPECT_EQ(sorted[3].s, 0.2);
    EXPECT_EQ(sorted[4].s, 0.5);
}

// The catalogue's order written out step by step: a key list built by first
// match, the wires collected group by group, each group bubble-sorted with
// exchanges on a strictly greater earlier section.
std::vector<WireRecord> referenceOrder(const std::vector<WireRecord>& wires) {
    std::vector<WireRecord> keys;
    std::vector<size_t> groupOf;
    for (const WireRecord& wire : wires) {
        size_t g = 0;
        while (g < keys.size() &&
               !(wire.Vid == keys[g].Vid && wire.Mater == keys[g].Mater &&
                 std::memcmp(&wire.delta2, &keys[g].delta2, sizeof(double)) == 0 &&
                 nameSimilarity(wire.tip(), keys[g].tip()) > 90.0)) {
            ++g;
        }
        if (g == keys.size()) keys.push_back(wire);
        groupOf.push_back(g);
    }
    std::vector<WireRecord> table;
    for (size_t g = 0; g < keys.size(); ++g) {
        std::vector<WireRecord> list;
        for (size_t i = 0; i < wires.size(); ++i) {
            if (groupOf[i] == g) list.push_back(wires[i]);
        }
        for (size_t pass = list.size(); pass > 1; --pass) {
            bool exchanged = false;
            for (size_t j = 0; j + 1 < pass; ++j) {
                if (list[j].s > list[j + 1].s) {
                    std::swap(list[j], list[j + 1]);
                    exchanged = true;
                }
            }
            if (!exchanged) break;
        }
        table.insert(table.end(), list.begin(), list.end());
    }
    return table;
}

TEST(RegroupAndSort, SameOrderAsTheStepByStepRule) {
    const char* const names[] = {"ПБ", "П Б", "АПБ", "ПЭТВ", "A", " ", "ПБУ"};
    const double sections[] = {0.5, 1.0, 1.0, 2.5, 4.0, 4.0, 8.0, 0.0, -1.0,
                               std::numeric_limits<double>::quiet_NaN()};
    std::mt19937 random(20240611);
    for (int round = 0; round < 200; ++round) {
        std::vector<WireRecord> wires;
        const int count = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            WireRecord wire = rectWire(QString::fromUtf8(names[random() % std::size(names)]),
                                       sections[random() % std::size(sections)],
                                       random() % 2 ? "Copper" : "Aluminum", random() % 2 ? 0.45 : 0.3, i);
            if (random() % 3 == 0) wire.Vid = roundShapeCode();
            wires.push_back(wire);
        }
        SCOPED_TRACE("round " + std::to_string(round));
        const auto sorted = regroupAndSort(wires);
        const auto expected = referenceOrder(wires);
        ASSERT_EQ(sorted.size(), expected.size());
        for (size_t i = 0; i < sorted.size(); ++i) {
            // `a` numbers the wires, so equal records with NaN sections still compare.
            EXPECT_EQ(sorted[i].a, expected[i].a) << "position " << i;
        }
    }
}

}  // namespace
}  // namespace dravik
