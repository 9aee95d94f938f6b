#pragma once

#include "catalogues/steel_entry.h"
#include "common/number_input.h"
#include "design/wire_record.h"
#include "explorer/whole_design.h"
#include "windings/wire_catalogue.h"
#include "magnetic/core_geometry.h"
#include "magnetic/magnetic_inputs.h"

#include <QString>
#include <optional>
#include <vector>

// The design explorer's sweep: every combination of the main choices of a
// design (rod diameter with its standard packets, window height, rod
// spacing, steel, conductor metal, LV layers), each made into the inputs of
// a whole design as the windows would hold them.
namespace dravik {

// The conductor metals by item of the Stage II material list.
inline constexpr int kCopperItem = 0;
inline constexpr int kAluminumItem = 1;
QString materialName(int materialItem);

// The item of the KU window's unbalance list every variant's KU is sized
// for: the first, phase impedances 1 : 2 : 4 with Za = 1.
inline constexpr int kVariantUnbalanceItem = 0;

// The most variants one sweep runs.
inline constexpr int kMaxVariants = 100000;

// What the sweep varies. Lengths in whole mm, as the fields take them.
struct SweepRanges {
    std::vector<int> diameterItems;  // items of CB_Dnom, ascending
    int lcFrom_mm = 0, lcTo_mm = 0, lcStep_mm = 10;
    int cFrom_mm = 0, cTo_mm = 0, cStep_mm = 5;
    std::vector<int> steelIndexes;   // positions in the steel list
    std::vector<int> materialItems;  // items of the material list
    int layersFrom = 2, layersTo = 2;  // LV layers
};

// What every variant keeps, as the windows hold it when the sweep starts:
// the Stage I inputs (power, voltages, scheme, taps, insulation, induction
// step, sheet, press plate, the yoke packets "Pick sheets for power" leaves
// alone), what "Pick sheets for power" remembers, and the Stage II fields
// the hand-over keeps. Texts as typed.
struct SweepBase {
    MagneticInputs stage1;
    CoreGeometryMemory coreGeometry;
    NumberInput l_01, k_t, a_01;  // Ed_l_01, Edi_K_t_nepl, Ed_a_01
    int boardIndex = 0;           // CB_delta
    int cylinderBoardIndex = 0;   // CB_delt
};

// How many variants `ranges` make: none when a range is empty.
long long variantCount(const SweepRanges& ranges);

// One variant of the sweep: its place in the sweep and its choices.
struct Variant {
    int index = 0;
    int diameterItem = 0;
    int lc_mm = 0;
    int C_mm = 0;
    int steelIndex = 0;
    int materialItem = 0;
    int lvLayers = 0;
};

// The diameters "Pick sheets for power" gives for `power` as they are: the
// items it keeps as asked and fills with standard packets (a diameter
// outside the power's range would be moved to another). `standard` is the
// item it gives for `dnom`, the diameter the Stage I window shows, when that
// is one of them. A refused power throws CommandError.
struct StandardDiameters {
    std::vector<int> items;
    std::optional<int> standard;
};
StandardDiameters standardDiametersFor(const NumberInput& power, const NumberInput& dnom, bool pressPlate,
                                       const CoreGeometryMemory& memory);

// The window height and rod spacing "Pick sheets for power" gives for
// `power`, mm; empty for a power without standard window dimensions.
struct StandardWindow {
    int lc_mm = 0;
    int C_mm = 0;
};
std::optional<StandardWindow> standardWindowFor(const NumberInput& power, const CoreGeometryMemory& memory);

class Sweep {
public:
    // Reads the base as the calculations would (a refused input throws their
    // CommandError, naming the field) and takes the standard packets of
    // every diameter. Every range must hold at least one value.
    Sweep(const SweepBase& base, const SweepRanges& ranges, std::vector<SteelEntry> steels,
          std::vector<WireRecord> wires);
    Sweep(const Sweep&) = delete;
    Sweep& operator=(const Sweep&) = delete;

    int size() const { return size_; }
    Variant variant(int index) const;
    // The inputs of a whole design for `variant`, every number a value.
    DesignInputs inputs(const Variant& variant) const;

    const std::vector<SteelEntry>& steels() const { return steels_; }
    const WireCatalogue& wires() const { return catalogue_; }
    const SweepRanges& ranges() const { return ranges_; }
    const SweepBase& base() const { return base_; }

private:
    struct StandardCore {
        std::array<NumberInput, 8> A, a, B, b;
        NumberInput Cok;
    };
    StandardCore standardCore(int diameterItem) const;

    SweepRanges ranges_;
    std::vector<SteelEntry> steels_;
    std::vector<WireRecord> wires_;
    WireCatalogue catalogue_;  // the wires each search of the sweep's metals may take, listed once
    std::vector<StandardCore> cores_;  // one per diameter of the ranges
    std::vector<int> lcs_, cs_, layers_;
    DesignInputs prototype_;
    SweepBase base_;
    int size_ = 0;
};

}  // namespace dravik
