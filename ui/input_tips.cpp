#include "input_tips.h"

#include "design/input_ranges.h"
#include "design/stage2_state.h"
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
};

struct InputTip {
    const char* control;  // objectName; "%1" stands for the packet number 1..8
    const char* text;     // what the input is, and its unit
    Accepted accepted = Accepted::Anything;
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
};

QString acceptedWords(const QString& control, Accepted accepted) {
    switch (accepted) {
    case Accepted::RangeTable:
        return QString::fromUtf8(rangedInput(control).range.words);
    case Accepted::TapSteps:
        return QStringLiteral("0 to %1").arg(kMaxTapSteps);
    case Accepted::ZigzagAngle:
        return QStringLiteral("0 to %1").arg(kLargestZigzagAngle_deg);
    case Accepted::Anything:
        break;
    }
    return {};
}

void giveTip(QWidget* window, const QString& control, const QString& text, Accepted accepted) {
    QWidget* input = window->findChild<QWidget*>(control);
    if (!input) throw std::logic_error("no input " + control.toStdString() + " for its tooltip");
    QString tip = text;
    const QString words = acceptedWords(control, accepted);
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
                giveTip(window, control, text, tip.accepted);
                continue;
            }
            for (int packet = 1; packet <= kPackets; ++packet) {
                giveTip(window, control.arg(packet), text.arg(packet), tip.accepted);
            }
        }
    }
}

}  // namespace dravik
