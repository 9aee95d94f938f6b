# The program as a command: help, version, usage errors, standard streams
# and exit statuses of script runs.
list(APPEND GUI_TEST_SOURCES
  gui/command_line_test.cpp
)
