# Script-mode tests of the Stage II window.
list(APPEND GUI_TEST_SOURCES
  gui/stage2_support.h
  gui/stage2_handover_test.cpp
  gui/stage2_wire_grid_test.cpp
  gui/stage2_field_rewrite_test.cpp
)
