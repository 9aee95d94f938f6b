# Script-mode tests of the real windows: each test runs the program with a
# script on standard input and a fresh catalogue folder. Each window area
# lists its test files in its own fragment.
set(GUI_TEST_SOURCES
  gui/script_session.h gui/script_session.cpp
  gui/startup_test.cpp
)
foreach(area command_line stage1 stage2 wire_entry steel_editor ku_zigzag design garbage design_file varianty)
  include(gui/${area}.cmake)
endforeach()

dravik_tests(gui_tests ${GUI_TEST_SOURCES} ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
# QuaZip: the steel editor's import tests write their own workbooks.
target_link_libraries(gui_tests PRIVATE engine Qt6::Core QuaZip::QuaZip)
target_compile_definitions(gui_tests PRIVATE DRAVIK_EXECUTABLE="$<TARGET_FILE:dravik>")
add_dependencies(gui_tests dravik)

# In the test's own process: the wiring script mode cannot show (which field
# has the focus, which carries the mark of a refusal, keys, sizes, places).
dravik_tests(ui_wiring_tests gui/window_fixture.h gui/field_mark_test.cpp gui/window_use_test.cpp
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
target_link_libraries(ui_wiring_tests PRIVATE ui)
