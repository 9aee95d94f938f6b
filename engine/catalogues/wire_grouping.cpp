#include "catalogues/wire_grouping.h"

#include "common/similarity.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace dravik {
namespace {

// Wires of one group have names at least this similar to the founder's.
constexpr double kGroupSimilarityPercent = 90.0;

// Shape, material and 2δ as one byte string: equal exactly when all three
// are equal byte for byte (the lengths keep the texts apart).
QByteArray kindBytes(const WireRecord& wire) {
    const auto delta2Bits = std::bit_cast<std::array<char, sizeof(double)>>(wire.delta2);
    QByteArray bytes;
    bytes += static_cast<char>(wire.Vid.size());
    bytes += wire.Vid;
    bytes += static_cast<char>(wire.Mater.size());
    bytes += wire.Mater;
    bytes.append(delta2Bits.data(), static_cast<qsizetype>(delta2Bits.size()));
    return bytes;
}

// Numbers the distinct byte strings met, in order of meeting.
class Numbering {
public:
    int operator()(const QByteArray& bytes) {
        auto found = numbers_.find(bytes);
        if (found == numbers_.end()) found = numbers_.insert(bytes, static_cast<int>(numbers_.size()));
        return found.value();
    }

private:
    QHash<QByteArray, int> numbers_;
};

// What decides a wire's group: its type name and its kind (shape, material, 2δ).
struct WireKey {
    int tip;
    int kind;
    quint64 packed() const { return (static_cast<quint64>(static_cast<quint32>(tip)) << 32) | static_cast<quint32>(kind); }
};

// Puts wires into groups one after the other, by first match in founding
// order. Catalogues repeat a handful of names and kinds thousands of times,
// so each distinct name is decoded once, each pair of names compared once,
// and a wire like an earlier one starts where that one's search ended.
class GroupAssigner {
public:
    int groupOf(const WireRecord& wire) {
        const WireKey key{tipNumber(wire), kinds_(kindBytes(wire))};
        Progress& progress = progress_[key.packed()];
        if (progress.group >= 0) return progress.group;
        for (size_t g = progress.checked; g < groups_.size(); ++g) {
            if (matches(key, groups_[g])) {
                progress.group = static_cast<int>(g);
                return progress.group;
            }
        }
        progress.checked = groups_.size();  // the group founded now is checked next time
        groups_.push_back(key);
        return static_cast<int>(groups_.size() - 1);
    }

private:
    // How far the search for one wire key has gone.
    struct Progress {
        int group = -1;      // the group it joined, once it joined one
        size_t checked = 0;  // groups before this one do not match it
    };

    int tipNumber(const WireRecord& wire) {
        const int number = tips_(wire.Tip);
        if (static_cast<size_t>(number) == tipTexts_.size()) tipTexts_.push_back(wire.tip());
        return number;
    }

    bool matches(const WireKey& wire, const WireKey& group) {
        if (wire.kind != group.kind) return false;
        const WireKey pair{wire.tip, group.tip};
        auto found = alike_.find(pair.packed());
        if (found == alike_.end()) {
            // The wire's name is the first text, the founder's the second.
            const double percent = nameSimilarity(tipTexts_[static_cast<size_t>(wire.tip)],
                                                  tipTexts_[static_cast<size_t>(group.tip)]);
            found = alike_.insert(pair.packed(), percent > kGroupSimilarityPercent);
        }
        return found.value();
    }

    Numbering tips_;
    Numbering kinds_;
    std::vector<QString> tipTexts_;
    std::vector<WireKey> groups_;
    QHash<quint64, bool> alike_;
    QHash<quint64, Progress> progress_;
};

std::vector<int> assignGroups(const std::vector<WireRecord>& records) {
    GroupAssigner assigner;
    std::vector<int> groupOf;
    groupOf.reserve(records.size());
    for (const WireRecord& wire : records) groupOf.push_back(assigner.groupOf(wire));
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
