target_sources(engine_common PRIVATE
  design/design_state.h
  design/design_stop.h
  design/wire_record.h design/wire_record.cpp
  design/stage2_state.h design/stage2_state.cpp
  design/short_circuit_figures.h
  design/stage2_effects.h
  design/winding_fields.h
  design/input_ranges.h design/input_ranges.cpp
)
