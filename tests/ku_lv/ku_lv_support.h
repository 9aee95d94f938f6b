#pragma once

#include "design/design_state.h"
#include "design/wire_record.h"
#include "windings/ku_winding.h"
#include "windings/lv_calculation.h"

#include <QString>
#include <QStringList>
#include <cmath>
#include <ostream>

// Readable failure messages for report lines.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Hand-built inputs for the KU and LV tests. The design is the 100 kVA,
// 10/0.38 kV transformer of the worked zigzag example: rod section
// 0.0106764 m² (11 480 mm² × 0.93), B_rod 1.625 T, two tap steps of 2.5 %,
// rod 400 mm long on a 140 mm circle, Pk 1970 W (Y/Yn-0 and D/Yn-0 rows).
namespace dravik::test {

inline constexpr double kSqrt3Stored = 1.7320508075689;

inline DesignState design100kVA(std::int32_t scheme) {
    DesignState d;
    d.scheme = scheme;
    d.U_hv = 10;
    d.U_lv = 0.38;
    d.U_lv_ph = 0.38 / kSqrt3Stored;
    d.rod_area = 0.0106764;
    d.B_rod = 1.625;
    d.tap_step = 2.5;
    d.tap_count = 2;
    d.S_rated = 100;
    d.Pk_norm = 1970;
    d.I_lv = 100 / (std::sqrt(3.0) * 0.38);
    d.D_rod = 0.14;
    d.Lc_razm = 0.4;
    return d;
}

inline WireRecord rectWire(const char* tip, double a, double b, double s, const char* mater = "Aluminum") {
    WireRecord w;
    w.Tip = tip;
    w.Vid = rectShapeCode();
    w.a = a;
    w.b = b;
    w.s = s;
    w.Mater = mater;
    return w;
}

inline WireRecord roundWire(const char* tip, double D, double s, const char* mater = "Aluminum") {
    WireRecord w;
    w.Tip = tip;
    w.Vid = roundShapeCode();
    w.D = D;
    w.s = s;
    w.Mater = mater;
    return w;
}

// The Stage II window's LV defaults, aluminium, KU not taken into account.
inline LvInputs lvInputs() {
    LvInputs in;
    in.material = QStringLiteral("Aluminum");
    in.numhU = QStringLiteral("2");
    in.boardIndex = 0;
    in.n_sl = QStringLiteral("2");
    in.l_01 = QStringLiteral("15");
    in.k_t = QStringLiteral("1,03");
    in.ak = QStringLiteral("4");
    in.nk = QStringLiteral("1");
    in.a_01 = QStringLiteral("4");
    return in;
}

// The KU window's defaults with the Stage II KU defaults, aluminium.
inline KuInputs kuInputs() {
    KuInputs in;
    in.In = QStringLiteral("0,5");
    in.material = QStringLiteral("Aluminum");
    in.n_sl = QStringLiteral("1");
    in.l_01 = QStringLiteral("15");
    in.k_t = QStringLiteral("1,03");
    in.ak = QStringLiteral("4");
    in.nk = QStringLiteral("0");
    in.a_01 = QStringLiteral("4");
    return in;
}

// The HV tap listing as the report writes it for one attempt: position p
// has w_hv + m·w_tap turns, m = tapCount − p + 1.
inline QStringList tapListing(int w_hv, int w_tap, int tapCount) {
    QStringList lines;
    for (int p = 1; p <= 2 * tapCount + 1; ++p) {
        const int m = tapCount - p + 1;
        lines << QStringLiteral("A-%1=Whv+%2*Wр").arg(p).arg(m)
              << QStringLiteral("%1+%2*%3=%4").arg(w_hv).arg(m).arg(w_tap).arg(w_hv + m * w_tap);
    }
    return lines;
}

// The lines of `all` that are not part of a tap listing.
inline QStringList withoutListing(const QStringList& all) {
    QStringList kept;
    for (const QString& line : all) {
        if (line.startsWith(QLatin1String("A-")) || (!line.isEmpty() && line.front().isDigit())) continue;
        kept << line;
    }
    return kept;
}

}  // namespace dravik::test
