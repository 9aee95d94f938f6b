# Script-mode tests of this window area.
list(APPEND GUI_TEST_SOURCES
)
