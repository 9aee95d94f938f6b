dravik_engine_library(engine_ku_lv
  windings/winding_inputs.h windings/winding_inputs.cpp
  windings/conductor_search.h windings/conductor_search.cpp
  windings/wire_catalogue.h windings/wire_catalogue.cpp
  windings/lv_turns.h windings/lv_turns.cpp
  windings/lv_conductor.h windings/lv_conductor.cpp
  windings/lv_calculation.h windings/lv_calculation.cpp
  windings/ku_winding.h windings/ku_winding.cpp
)
target_link_libraries(engine_ku_lv PUBLIC engine_common)
