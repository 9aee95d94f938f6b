# Start-up of the program against a bare Qt Widgets window, both offscreen.
add_executable(bare_window bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)

add_executable(startup_bench startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE engine Qt6::Core)
target_compile_definitions(startup_bench PRIVATE
  DRAVIK_EXECUTABLE="$<TARGET_FILE:dravik>"
  BARE_WINDOW_EXECUTABLE="$<TARGET_FILE:bare_window>"
  EXAMPLE_DESIGN="${PROJECT_SOURCE_DIR}/examples/design.txt"
  SHIPPED_WIRE_CATALOGUE="${DRAVIK_SHIPPED_WIRE_CATALOGUE}")
add_dependencies(startup_bench dravik bare_window shipped_wire_catalogue)
