# Script-mode tests of the "Add wire" window.
list(APPEND GUI_TEST_SOURCES
  gui/wire_entry_window_test.cpp
)
