# Tests of this area: dravik_engine_tests(workbook_tests <files>) and link engine_workbook.
