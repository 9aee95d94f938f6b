dravik_engine_library(engine_explorer
  explorer/whole_design.h explorer/whole_design.cpp
  explorer/sweep.h explorer/sweep.cpp
  explorer/variant_result.h explorer/variant_result.cpp
  explorer/sweep_run.h explorer/sweep_run.cpp
  explorer/variant_table.h explorer/variant_table.cpp
  explorer/sweep_inputs.h explorer/sweep_inputs.cpp
)
# The variants of a sweep run on every core.
target_link_libraries(engine_explorer PUBLIC engine_magnetic engine_hv_report engine_steel Qt6::Concurrent)
