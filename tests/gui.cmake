# Script-mode tests of the real windows: each test runs the program with a
# script on standard input and a fresh catalogue folder.
add_executable(gui_tests
  gui/script_session.h gui/script_session.cpp
  gui/startup_test.cpp
)
target_include_directories(gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(gui_tests PRIVATE Qt6::Core GTest::gtest GTest::gtest_main)
target_compile_definitions(gui_tests PRIVATE DRAVIK_EXECUTABLE="$<TARGET_FILE:dravik>")
add_dependencies(gui_tests dravik)
gtest_discover_tests(gui_tests DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
