# The design variants window through the program's script mode: a sweep run
# to its end, a variant applied through the windows, the table written out.
list(APPEND GUI_TEST_SOURCES
  gui/varianty_test.cpp
)
