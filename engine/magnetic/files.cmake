dravik_engine_library(engine_magnetic
  magnetic/scheme.h magnetic/scheme.cpp
  magnetic/rated_data.h magnetic/rated_data.cpp
  magnetic/recommended_induction.h magnetic/recommended_induction.cpp
  magnetic/steel_curve_lookup.h magnetic/steel_curve_lookup.cpp
  magnetic/steel_factors.h magnetic/steel_factors.cpp
  magnetic/stage1_lines.h
  magnetic/induction_search.h magnetic/induction_search.cpp
  magnetic/magnetic_inputs.h magnetic/magnetic_inputs.cpp
  magnetic/stage1_results.h magnetic/stage1_results.cpp
  magnetic/magnetic_calculation.h magnetic/magnetic_calculation.cpp
  magnetic/core_geometry.h magnetic/core_geometry_tables.h magnetic/core_geometry.cpp
)
target_link_libraries(engine_magnetic PUBLIC engine_common)
