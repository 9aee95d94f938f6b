# Winding-wire catalogue: Provod.dat, grouping, the table, entry, search and
# the shipped wire range.
dravik_tests(wire_tests
  wire/wire_samples.h
  wire/wire_grouping_test.cpp
  wire/provod_file_test.cpp
  wire/wire_table_test.cpp
  wire/wire_entry_test.cpp
  wire/wire_search_test.cpp
  wire/wire_csv_test.cpp
)
target_link_libraries(wire_tests PRIVATE engine_wire)
target_compile_definitions(wire_tests PRIVATE DRAVIK_WIRE_CSV="${PROJECT_SOURCE_DIR}/data/winding-wires.csv")
