# Adding a wire to a catalogue of 4999 wires (regroup, sort, save).
add_executable(wire_add_bench wire_add_bench.cpp)
target_link_libraries(wire_add_bench PRIVATE engine_wire)
