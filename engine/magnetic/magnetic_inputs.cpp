#include "magnetic/magnetic_inputs.h"

namespace dravik {

MagneticInputs lengthPointsAsCommas(MagneticInputs typed) {
    for (NumberInput* length : {&typed.C, &typed.Lc, &typed.Cok}) *length = firstPointToComma(*length);
    for (auto* packets : {&typed.A, &typed.a, &typed.B, &typed.b}) {
        for (NumberInput& packet : *packets) packet = firstPointToComma(packet);
    }
    typed.dz = firstPointToComma(typed.dz);
    return typed;
}

}  // namespace dravik
