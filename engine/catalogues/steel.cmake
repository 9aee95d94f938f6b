dravik_engine_library(engine_steel
  catalogues/steel_entry.h
  catalogues/builtin_steels.h
  catalogues/steel_curves.h catalogues/steel_curves.cpp
  catalogues/stal_file.h catalogues/stal_file.cpp
  catalogues/steel_catalogue.h catalogues/steel_catalogue.cpp
)
target_link_libraries(engine_steel PUBLIC engine_common)
