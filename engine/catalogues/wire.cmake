dravik_engine_library(engine_wire
  catalogues/catalogue_field.h
  catalogues/provod_file.h catalogues/provod_file.cpp
  catalogues/wire_grouping.h catalogues/wire_grouping.cpp
  catalogues/wire_table.h catalogues/wire_table.cpp
  catalogues/wire_entry.h catalogues/wire_entry.cpp
  catalogues/wire_search.h catalogues/wire_search.cpp
  catalogues/wire_csv.h catalogues/wire_csv.cpp
)
target_link_libraries(engine_wire PUBLIC engine_common)
