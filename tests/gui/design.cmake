# Whole designs through the real windows, from Stage I to the terms of
# reference for the windings; the expected memos are kept as text files beside the test.
list(APPEND GUI_TEST_SOURCES
  gui/design_test.cpp
)
set_source_files_properties(gui/design_test.cpp PROPERTIES
  COMPILE_DEFINITIONS "DRAVIK_DESIGN_EXPECTED_DIR=\"${CMAKE_CURRENT_SOURCE_DIR}/gui/expected\"")
