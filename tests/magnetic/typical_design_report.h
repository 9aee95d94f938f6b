#pragma once

#include "magnetic/magnetic_calculation.h"
#include "magnetic/report_lines.h"

namespace dravik::test {

// The program's defaults after "Pick sheets for power" with 100 kVA and
// D 0,13: 10/0,38 kV, Y/Zn-11, steel 3404 (third in the list), double
// varnish, six packets of 124/113/100/83/64/39 x 20/13/9/8/7/5 mm in rod
// and yoke, window 400 mm high, rod pitch 270 mm.
inline MagneticInputs typicalDesign() {
    MagneticInputs in;
    in.C = QStringLiteral("270");
    in.Lc = QStringLiteral("400");
    in.Cok = QStringLiteral("150");
    in.A = {"124", "113", "100", "83", "64", "39", "0", "0"};
    in.a = {"20", "13", "9", "8", "7", "5", "0", "0"};
    in.B = in.A;
    in.b = in.a;
    in.dz = QStringLiteral("0,35");
    in.steelIndex = 2;
    in.Uvn = QStringLiteral("10");
    in.Un = QStringLiteral("0,38");
    in.insulationIndex = 0;
    in.hB = QStringLiteral("0,05");
    in.hU = QStringLiteral("2,5");
    in.numhU = QStringLiteral("2");
    in.shem = QStringLiteral("Y/Zn-11");
    in.snom = QStringLiteral("100");
    return in;
}

// The report of the typical design, worked out from the formulas apart
// from the program: gross section 9832 mm2, active 0.93 of it; D = sqrt(124^2
// + 20^2) mm; 119.46 kVA estimated; the 100 kVA / 10 kV row with the zigzag
// short-circuit data; 1.575 T recommended for 3404; G_rod = 0.00914376 m2 x
// 22950 x 0.4 m, L_yoke = 2 x 0.27 + 0.124 m; then the losses at 1.575,
// 1.625 and 1.675 T (274.1, 302.3 and 336.0 W against 330..379.5 W) and
// i0 = 1.504 % against 1.3 x 2.6 %.
inline const QStringList kTypicalReport = linesOf({
    "Actual area of the rod, m2 0,010",
    "Active area of the rod, m2 0,009",
    "Actual area of the yoke, m2 0,010",
    "Active area of the yoke, m2 0,009",
    "Circle diameter of the rod, m 0,126",
    "Full power transformer approximately, kVA 119,460",
    "Rated power transformer, kVA 100,000",
    "Rated voltage of high voltage winding, kV 10,000",
    "No-load losses, W 330,000",
    "Loss of short-circuit, W 2270,000",
    "Short-circuit voltage, % 4,700",
    "No-load current, % 2,600",
    "Current high-voltage winding, A 5,774",
    "Current in the low voltage winding, А 151,930",
    "Value of the recommended induction, T 1,575",
    "Determine the magnetic induction in the yokes, T 1,575",
    "mass magnetic rods, kg 83,940",
    "full length of the magnetic yoke, kg 0,664",
    "magnetic yoke weight, kg 92,893",
    "Specific losses in the steel rod, W/kg 1,240",
    "Specific magnetizing power in steel rod, W/kg 1,650",
    "Specific Magnetizing power in the butt , W/m2 21750,000",
    "Specific losses in the steel yoke, W/kg 1,240",
    "Specific magnetizing power in steel yoke, W/kg 1,650",
    "Specific Magnetizing power in the butt of yoke, W/m2 21750,000",
    "Specific losses in the steel rod, W/kg 1,368",
    "Specific magnetizing power in steel rod, W/kg 2,022",
    "Specific Magnetizing power in the butt , W/m2 25500,000",
    "Specific losses in the steel yoke, W/kg 1,368",
    "Specific magnetizing power in steel yoke, W/kg 2,022",
    "Specific Magnetizing power in the butt of yoke, W/m2 25500,000",
    "Specific losses in the steel rod, W/kg 1,520",
    "Specific magnetizing power in steel rod, W/kg 2,910",
    "Specific Magnetizing power in the butt , W/m2 30250,000",
    "Specific losses in the steel yoke, W/kg 1,520",
    "Specific magnetizing power in steel yoke, W/kg 2,910",
    "Specific Magnetizing power in the butt of yoke, W/m2 30250,000",
    "condition for no-load losses coincided, W: Рhh=335,980",
    "active component of the load current, A 0,019",
    "Magnetizing power in the butt, VA 951,740",
    "full magnetizing power, VA 1466,300",
    "Reactive component of current, A 0,085",
    "The total of the load current, A 0,087",
    "No-load current, % 1,504",
    "Current condition of idling coincided",
});

}  // namespace dravik::test
