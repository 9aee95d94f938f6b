# Script-mode tests of the Stage I and yoke windows.
list(APPEND GUI_TEST_SOURCES
  gui/stage1_test.cpp
  gui/stage1_stale_results_test.cpp
)
