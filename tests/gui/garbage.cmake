# Garbage typed into every input, through the real windows.
list(APPEND GUI_TEST_SOURCES
  gui/garbage_inputs_test.cpp
)
