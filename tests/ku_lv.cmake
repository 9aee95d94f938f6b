dravik_tests(ku_lv_tests
  ku_lv/ku_lv_support.h
  ku_lv/lv_turns_test.cpp
  ku_lv/lv_calculation_test.cpp
  ku_lv/lv_conductor_test.cpp
  ku_lv/ku_winding_test.cpp
)
target_link_libraries(ku_lv_tests PRIVATE engine_ku_lv)
