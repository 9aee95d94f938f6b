dravik_engine_library(engine_hv_report
  windings/hv_tables.h
  windings/hv_conductor_search.h windings/hv_conductor_search.cpp
  windings/hv_layout.h windings/hv_layout.cpp
  windings/hv_winding.h windings/hv_winding.cpp
  windings/winding_report.h windings/winding_report.cpp
  windings/short_circuit.h windings/short_circuit.cpp
  windings/zigzag.h windings/zigzag.cpp
)
# The HV conductor search shares the eligibility rules of the LV and KU.
target_link_libraries(engine_hv_report PUBLIC engine_common engine_ku_lv)
