# Designs kept in files and reports written out, through the program's
# script mode: save, open and export, and a design named on the command line.
list(APPEND GUI_TEST_SOURCES
  gui/design_file_test.cpp
)
set_source_files_properties(gui/design_file_test.cpp PROPERTIES
  COMPILE_DEFINITIONS "DRAVIK_EXAMPLES=\"${PROJECT_SOURCE_DIR}/examples\"")
