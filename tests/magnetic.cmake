# Tests of this area: dravik_engine_tests(magnetic_tests <files>) and link engine_magnetic.
