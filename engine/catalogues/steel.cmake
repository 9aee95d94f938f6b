dravik_engine_library(engine_steel
  catalogues/steel_entry.h
)
target_link_libraries(engine_steel PUBLIC engine_common)
