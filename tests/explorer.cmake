# The whole design in one call and the design explorer's variants.
dravik_tests(explorer_tests
  explorer/explorer_support.h
  explorer/whole_design_test.cpp
  explorer/sweep_test.cpp
  explorer/variant_table_test.cpp
  explorer/sweep_run_test.cpp
)
target_link_libraries(explorer_tests PRIVATE engine_explorer engine_wire)
target_compile_definitions(explorer_tests PRIVATE
  DRAVIK_SHIPPED_WIRE_CATALOGUE="${DRAVIK_SHIPPED_WIRE_CATALOGUE}"
  DRAVIK_DESIGN_EXPECTED_DIR="${CMAKE_CURRENT_SOURCE_DIR}/gui/expected")
add_dependencies(explorer_tests shipped_wire_catalogue)
