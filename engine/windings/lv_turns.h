#pragma once

#include "common/report.h"
#include "design/design_state.h"
#include "design/stage2_state.h"

#include <cstdint>

// Turns of the LV and HV windings, the HV tap table and the induction the
// turns settle on: the first half of "Calculation LV".
namespace dravik {

// A zigzag phase is two half-windings on rods whose fluxes are 120 degrees
// apart, so w zigzag turns give the EMF of w / 1.1547 star turns (w·cos 30°).
// The constant is the one the program has always stored, close to 2/√3.
inline constexpr double kZigzagTurnsFactor = 1.15470041009185;

// Star turns that give the same phase EMF as the LV winding's w_lv turns:
// w_lv for star LV windings, w_lv / 1.15470041009185 for the zigzag.
double effectiveLvTurns(std::uint16_t w_lv, std::int32_t scheme);

// Tap positions are numbered 1..2·tap_count+1 from the highest tap down;
// position p is kept at index p − 1 of the per-position arrays.
constexpr int tapIndex(int position) { return position - 1; }

// The turns half of "Calculation LV" for `tapCount` tap steps each way
// (already checked to 0..9). While the LV calculation has completed once
// (`lv_done`), w_lv, w_hv, B_turns and B_rod are kept and only reported;
// U_hv_ph, w_tap and the tap table are worked out again on every press.
void calculateLvTurns(int tapCount, DesignState& design, Stage2State& state, Report& memo);

}  // namespace dravik
