# Tests of this area: dravik_engine_tests(steel_tests <files>) and link engine_steel.
