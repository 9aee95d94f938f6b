# Steel-curve workbook import and the steel editor's collection of the curve grids.
dravik_tests(workbook_tests
  workbook/workbook_files.h
  workbook/workbook_reader_test.cpp
  workbook/steel_grid_collect_test.cpp
)
target_link_libraries(workbook_tests PRIVATE engine_workbook QuaZip::QuaZip)
