#pragma once

namespace dravik {

// Load losses of one winding (LV or HV) of the finished design.
struct WindingLossFigures {
    double Dm = 0;    // mm, mean diameter (D_in + D_out)/2
    double w = 0;     // turns on one rod
    double J = 0;     // A/mm2, current density in the winding's conductor
    double P = 0;     // W, resistive losses of the three phases at 75 °C
    double beta = 0;  // axial fill of the conductors over the winding height
    double kd = 0;    // eddy-current factor, at least 1
};

// The short-circuit check of a finished design: load losses Pk and
// short-circuit voltage uk against the standard's values for the rating.
// Plain numbers, so that many candidate designs can be checked without a
// line being written.
struct ShortCircuitFigures {
    WindingLossFigures lv, hv;
    double Pt = 0;       // W, losses in the tank and the frame
    double Pk = 0;       // W
    double Pk_norm = 0;  // W, the standard's value
    double dPk = 0;      // %, deviation of Pk from Pk_norm

    double ua = 0;       // %, active component of uk

    // Leakage field of the two concentric windings (mm unless said).
    double d12 = 0;      // mean diameter of the LV-HV gap
    double a12 = 0;      // radial width of the LV-HV gap
    double a1 = 0;       // radial size of the LV winding
    double a2 = 0;       // radial size of the HV winding
    double l = 0;        // mean height of the two windings
    double beta = 0;     // π·d12 / l
    double ap = 0;       // m, equivalent width of the leakage channel
    double sigma = 0;    // radial width of the field over π·l
    double kR = 0;       // Rogowski factor
    double S_rod = 0;    // kVA, power of one rod
    double uv = 0;       // V, volts per turn of the HV winding
    double ur = 0;       // %, reactive component of uk

    double uk = 0;       // %
    double uk_norm = 0;  // %, the standard's value
    double duk = 0;      // %, deviation of uk from uk_norm
};

}  // namespace dravik
