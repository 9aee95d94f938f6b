# Every numeric input at the edges of its range, through the calculations
# that read it.
dravik_tests(input_ranges_tests
  input_ranges/range_case.h input_ranges/winding_press.h
  input_ranges/stage1_ranges_test.cpp
  input_ranges/stage2_ranges_test.cpp
  input_ranges/hv_ranges_test.cpp
)
target_link_libraries(input_ranges_tests PRIVATE engine_magnetic engine_steel engine_ku_lv engine_hv_report)
