# Script-mode tests of this window area.
list(APPEND GUI_TEST_SOURCES
  gui/ku_zigzag_ku_window_test.cpp
  gui/ku_zigzag_zigzag_window_test.cpp
)
