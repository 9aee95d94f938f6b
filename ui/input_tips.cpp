#include "input_tips.h"

#include "design/input_ranges.h"
#include "design/stage2_state.h"
#include "explorer/sweep_inputs.h"
#include "windings/zigzag.h"

#include <QWidget>
#include <span>
#include <stdexcept>

namespace dravik {
namespace {

// Where the values an input accepts come from.
enum class Accepted {
    Anything,     // a choice from a list, a name, or a size the catalogue keeps as typed
    RangeTable,   // the range table of the design's inputs
    TapSteps,     // whole tap steps, up to the tap tables' limit
    ZigzagAngle,  // degrees, up to the zigzag split's limit
    SweepStep,    // a step of the design variants' lc and C
    SweepPrice,   // a price or a loss evaluation factor of the design variants
};

struct InputTip {
    const char* control;  // objectName; "%1" stands for the packet number 1..8
    const char* text;     // what the input is, and its unit
    Accepted accepted = Accepted::Anything;
    // The range table's input whose range this one keeps (none: its own).
    const char* rangeOf = nullptr;
};

constexpr int kPackets = 8;

constexpr InputTip kStageOne[] = {
    {"Ed_C", "Distance between the axes of neighbouring rods, mm.", Accepted::RangeTable},
    {"Ed_Lc", "Height of the core window, between the yokes, mm.", Accepted::RangeTable},
    {"Ed_Cok", "Distance between the coils of neighbouring rods, mm; the front view of the core shows it.",
     Accepted::RangeTable},
    {"Ed_A%1", "Width of packet %1 of the rod's stepped section, mm; 0 leaves the packet out.", Accepted::RangeTable},
    {"Ed_a_%1",
     "Thickness of packet %1 of the rod, mm: packet 1 across the centre as a whole, every other packet on one side "
     "(the section has it twice).",
     Accepted::RangeTable},
    {"Ed_dz", "Thickness of one sheet of the electrical steel, mm.", Accepted::RangeTable},
    {"CB_M_st", "Electrical steel of the core, from the steel catalogue; \"Add steel\" adds and changes grades."},
    {"CB_Iz_st", "Insulation of the steel sheets; it sets the stacking factor of the core."},
    {"Ed_h_B", "Step of the search for the rod induction, T.", Accepted::RangeTable},
    {"Ed_num_h_U", "Number of HV tap steps each way from the principal tap, a whole number.", Accepted::TapSteps},
    {"Ed_h_U", "Voltage change of one HV tap step, % of the rated voltage.", Accepted::RangeTable},
    {"CB_Un", "Rated line voltage of the LV winding, kV; another value may be typed.", Accepted::RangeTable},
    {"CB_Uvn", "Rated line voltage of the HV winding, kV; another value may be typed.", Accepted::RangeTable},
    {"CB_Snom", "Rated power of the transformer, kVA; another value may be typed.", Accepted::RangeTable},
    {"CB_Shem", "Connection of the windings: HV / LV and the clock number."},
    {"CB_Dnom",
     "Diameter of the circle round the rod's section, m; \"Pick sheets for power\" fills the standard packets for it.",
     Accepted::RangeTable},
    {"CB_Press", "The rod is clamped by a press plate: the standard core leaves out the packet the plate takes."},
};

constexpr InputTip kYoke[] = {
    {"Ed_B%1", "Width of packet %1 of the yoke's stepped section, mm; 0 leaves the packet out.", Accepted::RangeTable},
    {"Ed_b_%1",
     "Thickness of packet %1 of the yoke, mm: packet 1 across the centre as a whole, every other packet on one side.",
     Accepted::RangeTable},
};

constexpr InputTip kStageTwo[] = {
    {"Ed_l_01", "l01: distance from the LV winding to the yoke, mm.", Accepted::RangeTable},
    {"CB_delta", "δ01: insulating board between the rod and the first winding, in layers of 0,5 mm board."},
    {"Ed_a_01", "а01: distance from the rod to the first winding, mm; the board δ01 lies in it.",
     Accepted::RangeTable},
    {"CB_delt", "Insulating cylinder between the LV and HV windings."},
    {"Ed_n_sl", "Number of layers of the winding that \"Coil:\" shows (the HV layers are calculated).",
     Accepted::RangeTable},
    {"Ed_ak", "Width of one axial cooling channel of the winding, mm.", Accepted::RangeTable},
    {"Ed_nk", "Number of axial cooling channels of the winding.", Accepted::RangeTable},
    {"Edi_K_t_nepl", "Allowance for wire that does not lie tight: the radial size of the winding is multiplied by it.",
     Accepted::RangeTable},
    {"SE_a", "Number of parallel conductors in a turn; open when a calculation leaves the choice to the designer."},
    {"CB_NN_VN", "The winding the inputs and the wire catalogue refer to."},
    {"ChB_KU", "The design has the compensating winding KU, wound on the rod under the LV winding."},
    {"CB__mater", "Conductor material of the windings; the search keeps to it."},
    {"Ed_search",
     "Section of bare wire to look for, mm2: \"Searches of the table\" finds the next wire within 10 % of it."},
    {"CB_c_r", "Shape of the wires to look for: rect (rectangular) or cikl (round)."},
    {"SG_Sech", "The wire catalogue: a click on a wire makes it the conductor of the winding that \"Coil:\" shows."},
};

constexpr InputTip kKu[] = {
    {"RG_Nesimm_Regim", "The unbalanced LV load the KU winding is sized for."},
    {"Ed_In", "Zero-sequence current typed by the designer, in rated LV currents (rated current = 1).",
     Accepted::RangeTable},
};

constexpr InputTip kWireEntry[] = {
    {"Ed_Tip_Pr", "Type (brand) of the wire, as the catalogue lists it."},
    {"RG_Vid_sech", "Shape of the wire's section."},
    {"Ed_D", "Diameter of a round bare wire, mm."},
    {"Ed_a", "Side a, the smaller, of a rectangular bare wire, mm."},
    {"Ed_b", "Side b, the larger, of a rectangular bare wire, mm."},
    {"Ed_s", "Section of the bare wire, mm2."},
    {"Ed_2delt", "Insulation of the wire, both sides together (2δ), mm."},
    {"CB_Matr", "Conductor material."},
};

constexpr InputTip kSteelEditor[] = {
    {"Ed_Tip", "Name of the steel grade, as Stage I will list it."},
    {"CB_tip_prokat", "How the steel is rolled."},
    {"Ed_dz", "Thickness of one sheet of this steel, mm."},
    {"CB_Tip_Edit", "A stored steel to change: its curves fill the grids."},
    {"SE_num_q_c", "Number of points of the specific losses curve."},
    {"SE_num_q_ia", "Number of points of the magnetising power curve in the rod."},
    {"SE_p_st_ud", "Number of points of the magnetising power curve in the butt joints."},
    {"SG_q_c", "Specific losses against the induction Bc, T, one point a row."},
    {"SG_q_ia", "Specific magnetising power in the rod against the induction Bc, T, one point a row."},
    {"SG_p_st_ud", "Specific magnetising power in the butt joints against the induction Bc, T, one point a row."},
};

constexpr InputTip kZigzag[] = {
    {"Ed_b",
     "Zigzag angle β between the phase voltage and the EMF of the half-winding on the phase's own rod, degrees "
     "(30: two equal halves).",
     Accepted::ZigzagAngle},
};

// The design variants' fields stand for Stage I and Stage II inputs and keep
// their ranges.
constexpr InputTip kVariants[] = {
    {"CB_D_ot", "Smallest standard rod diameter of the variants, m."},
    {"CB_D_do", "Largest standard rod diameter of the variants, m."},
    {"Ed_Lc_ot", "Lowest core window height lc of the variants, mm.", Accepted::RangeTable, "Ed_Lc"},
    {"Ed_Lc_do", "Highest core window height lc of the variants, mm.", Accepted::RangeTable, "Ed_Lc"},
    {"Ed_Lc_shag", "Step of the window height lc between variants, mm.", Accepted::SweepStep},
    {"Ed_C_ot", "Smallest distance C between the rod axes of the variants, mm.", Accepted::RangeTable, "Ed_C"},
    {"Ed_C_do", "Largest distance C between the rod axes of the variants, mm.", Accepted::RangeTable, "Ed_C"},
    {"Ed_C_shag", "Step of the distance C between variants, mm.", Accepted::SweepStep},
    {"Ed_n_sl_ot", "Fewest layers of the LV winding of the variants.", Accepted::RangeTable, "Ed_n_sl"},
    {"Ed_n_sl_do", "Most layers of the LV winding of the variants.", Accepted::RangeTable, "Ed_n_sl"},
    {"ChB_Aljuminij", "The variants include windings of aluminium."},
    {"ChB_Medj", "The variants include windings of copper."},
    {"CLB_Stali", "The steels of the variants: each ticked steel makes its own variants."},
    {"Ed_Valjuta", "The currency unit of the prices and the costs."},
    {"Ed_Cena_stali", "Price of the electrical steel, per kg.", Accepted::SweepPrice},
    {"Ed_Cena_medi", "Price of the copper conductor, per kg.", Accepted::SweepPrice},
    {"Ed_Cena_aljuminija", "Price of the aluminium conductor, per kg.", Accepted::SweepPrice},
    {"Ed_Koef_A", "Loss evaluation factor A: the owning cost of one W of no-load loss P0.", Accepted::SweepPrice},
    {"Ed_Koef_B", "Loss evaluation factor B: the owning cost of one W of load loss Pk.", Accepted::SweepPrice},
    {"SG_Var",
     "The variants: those that meet every check first, by owning cost; the others name the first check they "
     "fail. Select a row and \"Apply\" makes it the design."},
};

struct WindowTips {
    const char* window;
    std::span<const InputTip> tips;
};

constexpr WindowTips kWindows[] = {
    {"EtapI", kStageOne},
    {"Iarmo_razmery", kYoke},
    {"EtapII", kStageTwo},
    {"Raschet_obmotok_KU", kKu},
    {"Provod_dobavitj", kWireEntry},
    {"Stalj_dobavitj_redaktirovatj", kSteelEditor},
    {"Zigzag_parametry", kZigzag},
    {"Varianty", kVariants},
};

QString acceptedWords(const QString& control, Accepted accepted) {
    switch (accepted) {
    case Accepted::RangeTable:
        return QString::fromUtf8(rangedInput(control).range.words);
    case Accepted::SweepStep:
        return QString::fromUtf8(kSweepStepRange.words);
    case Accepted::SweepPrice:
        return QString::fromUtf8(kSweepPriceRange.words);
    case Accepted::TapSteps:
        return QStringLiteral("0 to %1").arg(kMaxTapSteps);
    case Accepted::ZigzagAngle:
        return QStringLiteral("0 to %1").arg(kLargestZigzagAngle_deg);
    case Accepted::Anything:
        break;
    }
    return {};
}

void giveTip(QWidget* window, const QString& control, const QString& text, Accepted accepted,
             const QString& rangeOf = {}) {
    QWidget* input = window->findChild<QWidget*>(control);
    if (!input) throw std::logic_error("no input " + control.toStdString() + " for its tooltip");
    QString tip = text;
    const QString words = acceptedWords(rangeOf.isEmpty() ? control : rangeOf, accepted);
    if (!words.isEmpty()) tip += QStringLiteral("\nAccepted: ") + words + QLatin1Char('.');
    input->setToolTip(tip);
}

}  // namespace

void giveInputTips(QWidget* window) {
    for (const WindowTips& entry : kWindows) {
        if (window->objectName() != QLatin1String(entry.window)) continue;
        for (const InputTip& tip : entry.tips) {
            const QString control = QString::fromUtf8(tip.control);
            const QString text = QString::fromUtf8(tip.text);
            if (!control.contains(QLatin1String("%1"))) {
                giveTip(window, control, text, tip.accepted, QString::fromUtf8(tip.rangeOf));
                continue;
            }
            for (int packet = 1; packet <= kPackets; ++packet) {
                giveTip(window, control.arg(packet), text.arg(packet), tip.accepted);
            }
        }
    }
}

}  // namespace dravik
