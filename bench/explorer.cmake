# The design explorer: complete variants per second per core.
add_executable(explorer_bench explorer_bench.cpp)
target_link_libraries(explorer_bench PRIVATE engine_explorer engine_wire)
target_compile_definitions(explorer_bench PRIVATE SHIPPED_WIRE_CATALOGUE="${DRAVIK_SHIPPED_WIRE_CATALOGUE}")
add_dependencies(explorer_bench shipped_wire_catalogue)
