dravik_engine_library(engine_workbook
  catalogues/workbook_reader.h catalogues/workbook_reader.cpp
  catalogues/steel_grid_collect.h catalogues/steel_grid_collect.cpp
)
target_link_libraries(engine_workbook PUBLIC engine_common PRIVATE QuaZip::QuaZip)
