#pragma once

#include "common/cp1251.h"
#include "common/report.h"
#include "design/design_state.h"
#include "design/stage2_state.h"
#include "design/wire_record.h"
#include "windings/hv_winding.h"

#include <QStringList>
#include <string>
#include <vector>

namespace dravik::test {

inline std::vector<std::string> lines(const QStringList& list) {
    std::vector<std::string> result;
    for (const QString& line : list) result.push_back(line.toStdString());
    return result;
}

inline std::vector<std::string> lines(const Report& memo) { return lines(memo.lines()); }

// The lines of `memo` from the first one equal to `first`, `count` of them.
inline std::vector<std::string> block(const Report& memo, const QString& first, qsizetype count) {
    const qsizetype start = memo.lines().indexOf(first);
    if (start < 0) return {"<no line " + first.toStdString() + ">"};
    return lines(memo.lines().mid(start, count));
}

inline WireRecord wire(const QString& tip, bool round, const QString& mater, double D, double a, double b, double s,
                       double delta2) {
    WireRecord record;
    record.Tip = encodeCp1251(tip);
    record.Vid = round ? roundShapeCode() : rectShapeCode();
    record.Mater = encodeCp1251(mater);
    record.D = D;
    record.a = a;
    record.b = b;
    record.s = s;
    record.delta2 = delta2;
    return record;
}

inline WireRecord roundWire(const QString& mater, double D, double s, double delta2, const QString& tip = "АПБ") {
    return wire(tip, true, mater, D, 0, 0, s, delta2);
}

inline WireRecord rectWire(const QString& mater, double a, double b, double s, double delta2,
                           const QString& tip = "АПБ") {
    return wire(tip, false, mater, 0, a, b, s, delta2);
}

// A 630 kVA, 10/0.4 kV design after a complete LV calculation, worked by
// hand: J_lv = 910/(2·130) = 3.5, J_hv_est = 2·3.25 − 3.5 = 3.0 A/mm2 and
// s_hv_est = 36/3 = 12 mm2, which one round 11.04 mm2 aluminium wire covers
// to 92 %. The rod is 600 mm long, C is 450 mm, the LV outer diameter 300 mm.
struct HvCase {
    DesignState design;
    Stage2State state;
    std::vector<WireRecord> catalogue;
    HvInputs in;
};

inline HvCase transformer630kVA() {
    HvCase c;
    c.design.S_rated = 630;
    c.design.U_hv = 10;
    c.design.U_lv = 0.4;
    c.design.scheme = 1;
    c.design.I_hv = 36;
    c.design.I_lv = 910;
    c.design.B_rod = 1.6;
    c.design.rod_area = 0.025;
    c.design.Lc_razm = 0.6;
    c.design.C = 0.45;
    c.design.tap_count = 2;
    c.design.Pk_norm = 7600;
    c.design.uk_norm = 5.5;

    Stage2State& s = c.state;
    s.lv_done = true;
    s.hv_last_material = "Aluminum";
    s.n_par = 2;
    s.turns.w_lv = 23;
    s.turns.U_hv_ph = 10000 / kSqrt3Stored;
    s.turns.w_hv = 1000;
    s.turns.w_tap = 25;
    s.lv.J_av = 3.25;
    s.lv.k_t = 1.03;
    s.lv.lv_wire = rectWire("Aluminum", 5.6, 23.6, 130, 0.45);
    s.lv.n_k = 1;
    s.lv.nlv = 2;
    s.lv.w_layer = 12;
    s.lv.l_lv = 300;
    s.lv.D_lv_in = 220;
    s.lv.D_lv_out = 300;

    c.catalogue = {
        roundWire("Copper", 3.75, 11.04, 0.3, "ПЭТВ"),
        rectWire("Aluminum", 2.0, 5.6, 11.5, 0.45),
        roundWire("Aluminum", 3.75, 11.04, 0.3),
    };
    c.in.material = "Aluminum";
    c.in.materialIndex = 1;
    c.in.shapeIndex = 1;
    c.in.nk = "1";
    c.in.ak = "4";
    c.in.boardIndex = 1;
    return c;
}

}  // namespace dravik::test
