# Tests of this area: dravik_engine_tests(wire_tests <files>) and link engine_wire.
