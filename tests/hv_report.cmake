dravik_tests(hv_report_tests
  hv_report/hv_test_support.h
  hv_report/hv_tables_test.cpp
  hv_report/hv_conductor_search_test.cpp
  hv_report/hv_winding_test.cpp
  hv_report/winding_report_test.cpp
  hv_report/short_circuit_test.cpp
)
target_link_libraries(hv_report_tests PRIVATE engine_hv_report)
