# Tests of this area: dravik_engine_tests(ku_lv_tests <files>) and link engine_ku_lv.
