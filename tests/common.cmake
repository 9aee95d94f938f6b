dravik_tests(common_tests
  common/number_text_test.cpp
  common/guards_test.cpp
  common/input_range_test.cpp
  common/cp1251_test.cpp
  common/catalogue_file_test.cpp
  common/similarity_test.cpp
)
target_link_libraries(common_tests PRIVATE engine_common)
