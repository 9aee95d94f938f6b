#pragma once

#include "catalogues/catalogue_field.h"
#include "catalogues/stal_file.h"
#include "catalogues/steel_curves.h"
#include "catalogues/steel_entry.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace dravik {

// The steel editor's fields besides the curve grids.
namespace steel_entry {
inline constexpr CatalogueField kThickness{"Ed_dz", "δ, mm"};
inline constexpr CatalogueField kRolling{"CB_tip_prokat", "Rolling type"};
}  // namespace steel_entry

// What the steel editor collects for one steel.
struct SteelInput {
    QString name;              // Ed_Tip text
    int rollingChoice = -1;    // item of CB_tip_prokat: 0 "Cold-rolled" -> 'c', 1 "Hot-rolled" -> 'h', -1 none
    QString thicknessText;     // Ed_dz text, first "." already turned into ","
    RawCurve p, q, qz;
};

// The electrical steels the core can be built from: the built-in grades,
// then the steels the user stored in Stal.dat of the catalogue folder.
// List position i (CB_M_st, CB_Tip_Edit) is entries()[i]; steel_no is i + 1.
class SteelCatalogue {
public:
    static constexpr int kBuiltinCount = 4;
    static constexpr int kMaxStoredSteels = stal::kPointCountRoom;  // the point-count table's room

    SteelCatalogue();  // the built-in grades only

    static constexpr const char* kFileName = "Stal.dat";

    // Built-in grades, then the stored steels of <folder>/Stal.dat. Returns
    // the error texts to show; never throws. A missing file is no error. A
    // short or unreadable file, or one with implausible steels, is kept as
    // Stal.dat.bad before the first write.
    QStringList load(const QString& folder);
    // What load does with the record it read: the first 103 stored steels
    // are taken, those that are not plausible left out (reported once, with
    // the file's path) and the others numbered on without gaps.
    QStringList loadRecord(const StalImage& record);

    const std::vector<SteelEntry>& entries() const { return entries_; }
    QStringList names() const;
    int storedCount() const { return storedCount_; }
    // Stored steel k (1..storedCount()), as the editor numbers them.
    const SteelEntry& storedEntry(int k) const { return entries_[storedPosition(k)]; }
    // The last stored steel named `name`, 0 when none is.
    int storedIndexOf(const QString& name) const;
    // The list position of the built-in grade named `name`, -1 when none is.
    int builtinPositionOf(const QString& name) const;
    QString filePath() const;

    // Adds a stored steel (lower cut 0.1 T) / replaces stored steel
    // `storedIndex`, counted from 1 (lower cut 0.01 T). Everything is checked
    // before anything changes, in this order: the curves can be resampled,
    // the name can be held in Windows-1251, the thickness is a number above
    // 0 and at most 5 mm, a rolling type is chosen. Then the catalogue
    // changes and Stal.dat is rewritten whole. A failed write throws
    // CommandError with the I/O text; the catalogue keeps the change and the
    // old file stays.
    void add(const SteelInput& steel);
    void replace(int storedIndex, const SteelInput& steel);

private:
    static std::size_t storedPosition(int k) { return static_cast<std::size_t>(kBuiltinCount + k - 1); }
    struct CheckedSteel;
    static CheckedSteel check(const SteelInput& steel, double lowerCut_T);
    void storeInImage(int k, const CheckedSteel& steel);
    void save();
    void reset();
    int slotOf(int k) const;
    void dropLeftOutSteels();

    QString folder_;
    StalImage image_;
    std::vector<SteelEntry> entries_;
    int storedCount_ = 0;
    // The record's slots of stored steels 1, 2, ... while the steels a load
    // left out are still in the record; empty when steel k is slot k.
    std::vector<int> slotsToKeep_;
    bool damagedFileOnDisk_ = false;  // set aside as Stal.dat.bad before the first write
};

}  // namespace dravik
