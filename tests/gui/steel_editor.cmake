# Script-mode tests of the steel editor and its workbook import.
list(APPEND GUI_TEST_SOURCES
  gui/steel_editor_test.cpp
  gui/steel_editor_workbook_test.cpp
)

# The spin edits' keyboard is a widget's own behaviour, tested in process.
dravik_tests(steel_editor_widget_tests gui/steel_editor_spin_test.cpp ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
target_link_libraries(steel_editor_widget_tests PRIVATE ui)
