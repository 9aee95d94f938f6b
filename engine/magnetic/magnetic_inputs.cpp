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

MagneticInputs asValues(MagneticInputs in) {
    const auto toValue = [](NumberInput& field) { field = NumberInput::of(floatOf(field)); };
    for (NumberInput* field : {&in.C, &in.Lc, &in.Cok, &in.dz, &in.Uvn, &in.Un, &in.hB, &in.hU, &in.numhU, &in.snom}) {
        toValue(*field);
    }
    for (auto* packets : {&in.A, &in.a, &in.B, &in.b}) {
        for (NumberInput& packet : *packets) toValue(packet);
    }
    return in;
}

}  // namespace dravik
