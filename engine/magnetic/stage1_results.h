#pragma once

#include "magnetic/magnetic_inputs.h"

#include <optional>

namespace dravik {

// The Stage I inputs the design state's results were calculated from. A
// calculation forgets them as it starts and remembers its inputs when it
// meets both criteria; Stage II works on the results only while the inputs
// are still those. Texts are compared exactly, after the length fields'
// "." to "," rewrite ("300,0" is not "300").
class Stage1Results {
public:
    void forget() { inputs_.reset(); }
    void remember(const MagneticInputs& in) { inputs_ = in; }

    // Whether the inputs as typed now are those of the last successful
    // calculation.
    bool areCurrentFor(const MagneticInputs& typed) const;

    // Stops a Stage II command, before it does anything, with "The Stage I
    // inputs have changed: repeat the calculation of the magnetic circuit"
    // when they are not.
    void requireCurrentFor(const MagneticInputs& typed) const;

private:
    std::optional<MagneticInputs> inputs_;
};

}  // namespace dravik
