#pragma once

#include "common/number_input.h"
#include "design/short_circuit_figures.h"
#include "design/wire_record.h"

#include <QString>
#include <array>
#include <cstdint>
#include <numbers>
#include <optional>

namespace dravik {

// Interlayer board of the LV (and KU) winding, one row per item of CB_delta:
// row r holds r layers of 0.5 mm, as its name says.
struct BoardRow {
    const char* name;
    std::uint16_t layers;
    double thickness_mm;
};
inline constexpr std::array<BoardRow, 5> kBoardTable{{
    {"El. board 1х0,5", 1, 0.5},
    {"El. board 2х0,5", 2, 0.5},
    {"El. board 3х0,5", 3, 0.5},
    {"El. board 4х0,5", 4, 0.5},
    {"El. board 5х0,5", 5, 0.5},
}};

// The row of a CB_delta item; an item outside the table raises the range
// check error.
const BoardRow& boardRow(int boardIndex);

// Tap steps each way that the tap tables below hold.
inline constexpr int kMaxTapSteps = 9;
// The tap-step count of Stage I: an integer 0..9, otherwise the conversion
// error or "Number of tap steps must be 0..9".
int readTapSteps(const NumberInput& input);

// Turns of both windings and the HV tappings (LV calculation, first half).
struct TurnsState {
    std::uint16_t w_lv = 0;   // LV turns per phase (Y/Zn-11: the whole zigzag)
    double U_hv_ph = 0;       // V
    std::uint16_t w_hv = 0;   // HV turns at the principal tap
    double B_turns = 0;       // T
    std::uint16_t w_tap = 0;  // HV turns per tap step
    std::array<std::uint16_t, 20> tap_turns{};
    std::array<double, 25> U_tap{};  // V
    std::array<double, 25> k_u{};
    std::array<double, 25> k_w{};
    std::array<double, 25> dk{};     // %
};

// LV conductor and dimensions (LV calculation, second half).
struct LvState {
    double delta_01 = 0;  // mm
    double k_mat = 0;
    double e_t = 0;       // V
    double J_av = 0;      // A/mm2, shared with the KU and HV calculations
    double s_est = 0;     // mm2
    std::uint16_t nlv = 0;
    std::uint16_t w_layer = 0;
    double l_01 = 0;      // m
    double k_t = 0;
    double h_turn = 0;    // m estimate, then mm
    WireRecord lv_wire;
    double b_turn = 0;    // mm
    double l_lv = 0;      // mm
    double a_k = 0;       // mm, channel width (the HV overwrites it)
    std::uint16_t n_k = 0;
    double a_01 = 0;      // mm
    double a_lv = 0;      // mm
    double D_lv_in = 0;   // mm
    double D_lv_out = 0;  // mm
};

// HV winding.
struct HvState {
    double l_02 = 0, delta_sh = 0, a_12 = 0, delta_12 = 0, l_c2 = 0, a22 = 0, delta_22 = 0;  // mm
    double delta_board = 0;  // mm
    std::uint16_t n_cyl = 0;
    double J_lv = 0;      // A/mm2
    double J_hv_est = 0;  // A/mm2
    double s_hv_est = 0;  // mm2
    std::uint16_t n_par_hv = 0;
    WireRecord hv_wire;
    double J_hv = 0;      // A/mm2
    std::uint16_t w_layer_hv = 0;
    std::uint16_t n_layers_hv = 0;
    double r_extra = 0;   // layers with one turn more
    double l_hv = 0;      // mm
    double U_il = 0;      // V
    double U_il_min = 0, U_il_max = 0, n_il = 0, delta_il = 0;
    double t_il = 0;      // mm
    std::uint16_t n_k_hv = 0;
    double a_hv = 0;      // mm
    double D_hv_in = 0;   // mm
    double D2od = 0;      // mm
};

// Compensating (KU) winding.
struct KuState {
    double I_ku = 0;       // A
    double last_I_ku = 0;  // A
    QString ku_last_material;
    std::uint16_t w_ku = 0;
    double s_ku_est = 0;   // mm2
    std::uint16_t n_layers_ku = 0;
    std::uint16_t w_layer_ku = 0;
    double h_turn_ku = 0;  // m estimate, then mm
    std::uint16_t n_par_ku = 0;
    WireRecord ku_wire;
    double b_turn_ku = 0;  // mm
    double l_ku = 0;       // mm
    double a_k_ku = 0;     // mm
    std::uint16_t n_k_ku = 0;
    double a_ku = 0;       // mm
    double D_ku_in = 0;    // mm
    double D_ku_out = 0;   // mm
};

// Values the winding report computes.
struct WindingReportState {
    double m_ku = 0, m_lv = 0, m_hv = 0;  // kg
    std::uint16_t w_z1 = 0, w_z2 = 0;
};

// Whether each winding fitted where its calculation checked it: unset until
// the check is reached. A calculation forgets the checks of its own winding
// and of the windings laid round it, so what is set belongs to the windings
// of the current work; the core window's drawing marks a misfit in red.
struct FitChecks {
    std::optional<bool> ku_on_rod;     // l_ku within the rod less 2·l_01
    std::optional<bool> lv_on_rod;     // l_lv within the rod less 2·l_01
    std::optional<bool> hv_on_rod;     // l_hv within the rod less 2·l_02
    std::optional<bool> hv_in_window;  // D2od within C − a22
    // What each check held its winding to, mm, set with the check: the room
    // on the rod and the width of the window, so that a misfit can say by
    // how much it missed.
    double ku_room_mm = 0, lv_room_mm = 0, hv_room_mm = 0, hv_window_mm = 0;
};

// Everything Stage II keeps between presses: the window's selection and
// progress flags, and each winding's results.
struct Stage2State {
    // The wire grid and the conductor picked in it.
    int sel_row = 0;
    WireRecord chosen_wire;
    bool lv_wire_picked = false;
    bool hv_wire_picked = false;
    bool ku_wire_picked = false;
    int n_par = 0;  // LV parallel conductors, 1..255 once set

    // Progress flags.
    bool lv_done = false;
    bool manual_par = false;
    bool wire_found = false;
    QString last_material;
    bool hv_done = false;
    bool hv_wire_found = false;
    bool hv_manual_par = false;
    QString hv_last_material;
    bool ku_done = false;
    bool ku_manual_par = false;
    bool ku_wire_found = false;

    double beta = std::numbers::pi / 6;  // rad, zigzag angle

    TurnsState turns;
    LvState lv;
    HvState hv;
    KuState ku;
    WindingReportState report;
    FitChecks fit;
    // The short-circuit check of the last "Calculation HV" that ended with
    // the winding report; empty until then and once the windings change.
    std::optional<ShortCircuitFigures> short_circuit;

    // No winding calculated, no conductor picked for any: a new start.
    void restartWindings() {
        hv_done = lv_done = ku_done = false;
        lv_wire_picked = hv_wire_picked = ku_wire_picked = false;
    }

    // The LV and HV conductor searches start afresh: no manual strand count,
    // no conductor found.
    void forgetConductorSearch() { manual_par = hv_manual_par = wire_found = hv_wire_found = false; }

    // The hand-over from Stage I: the windings are designed afresh for the
    // core Stage I has settled. None is calculated or picked, every
    // conductor search (the KU's too) starts over, and the last
    // short-circuit check is gone.
    void beginWindings() {
        restartWindings();
        forgetConductorSearch();
        ku_manual_par = ku_wire_found = false;
        short_circuit.reset();
    }
};

}  // namespace dravik
