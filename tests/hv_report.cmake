# Tests of this area: dravik_engine_tests(hv_report_tests <files>) and link engine_hv_report.
