dravik_engine_library(engine_explorer
  explorer/whole_design.h explorer/whole_design.cpp
  explorer/sweep.h explorer/sweep.cpp
  explorer/variant_result.h explorer/variant_result.cpp
)
target_link_libraries(engine_explorer PUBLIC engine_magnetic engine_hv_report engine_steel)
