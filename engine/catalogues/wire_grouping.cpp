#include "catalogues/wire_grouping.h"

#include "common/similarity.h"

#include <QHash>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace dravik {
namespace {

// Wires of one group have names at least this similar to the founder's.
constexpr double kGroupSimilarityPercent = 90.0;

struct GroupKey {
    QString tip;
    QByteArray vid;
    QByteArray mater;
    std::uint64_t delta2Bits;
};

GroupKey keyOf(const WireRecord& wire, const QString& tip) {
    return {tip, wire.Vid, wire.Mater, std::bit_cast<std::uint64_t>(wire.delta2)};
}

bool matches(const GroupKey& wire, const GroupKey& group) {
    return wire.vid == group.vid && wire.mater == group.mater && wire.delta2Bits == group.delta2Bits &&
           nameSimilarity(wire.tip, group.tip) > kGroupSimilarityPercent;
}

// Catalogues repeat a handful of type names thousands of times: decode each
// distinct name once.
class NameDecoder {
public:
    const QString& operator()(const WireRecord& wire) {
        auto found = decoded_.find(wire.Tip);
        if (found == decoded_.end()) found = decoded_.insert(wire.Tip, wire.tip());
        return found.value();
    }

private:
    QHash<QByteArray, QString> decoded_;
};

// Group index of every wire, by first match in founding order.
std::vector<int> assignGroups(const std::vector<WireRecord>& records) {
    std::vector<GroupKey> groups;
    std::vector<int> groupOf;
    groupOf.reserve(records.size());
    NameDecoder decode;
    for (const WireRecord& wire : records) {
        const GroupKey key = keyOf(wire, decode(wire));
        const auto match = std::find_if(groups.begin(), groups.end(),
                                        [&](const GroupKey& group) { return matches(key, group); });
        if (match != groups.end()) {
            groupOf.push_back(static_cast<int>(match - groups.begin()));
        } else {
            groupOf.push_back(static_cast<int>(groups.size()));
            groups.push_back(key);
        }
    }
    return groupOf;
}

// Where a wire goes: its group, then its stretch of the group between
// sections that are not numbers (such a wire is a stretch of its own), then s.
struct SortKey {
    int group;
    int stretch;
    double s;
};

std::vector<SortKey> sortKeys(const std::vector<WireRecord>& records, const std::vector<int>& groupOf) {
    std::vector<int> nanSeen(records.size(), 0);  // per group; never more groups than wires
    std::vector<SortKey> keys;
    keys.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const int group = groupOf[i];
        const double s = records[i].s;
        if (std::isnan(s)) {
            keys.push_back({group, 2 * nanSeen[static_cast<size_t>(group)] + 1, 0.0});
            ++nanSeen[static_cast<size_t>(group)];
        } else {
            keys.push_back({group, 2 * nanSeen[static_cast<size_t>(group)], s});
        }
    }
    return keys;
}

bool goesBefore(const SortKey& x, const SortKey& y) {
    if (x.group != y.group) return x.group < y.group;
    if (x.stretch != y.stretch) return x.stretch < y.stretch;
    return x.s < y.s;
}

}  // namespace

std::vector<WireRecord> regroupAndSort(const std::vector<WireRecord>& records) {
    const std::vector<SortKey> keys = sortKeys(records, assignGroups(records));
    std::vector<size_t> order(records.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) { return goesBefore(keys[x], keys[y]); });

    std::vector<WireRecord> sorted;
    sorted.reserve(records.size());
    for (size_t index : order) sorted.push_back(records[index]);
    return sorted;
}

}  // namespace dravik
