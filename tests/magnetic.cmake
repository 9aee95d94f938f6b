dravik_tests(magnetic_tests
  magnetic/test_steels.h magnetic/test_steels.cpp
  magnetic/report_lines.h
  magnetic/rated_data_test.cpp
  magnetic/steel_curve_lookup_test.cpp
  magnetic/induction_search_test.cpp
  magnetic/magnetic_calculation_test.cpp
  magnetic/core_geometry_test.cpp
  magnetic/stage1_results_test.cpp
)
target_link_libraries(magnetic_tests PRIVATE engine_magnetic engine_steel)
