target_sources(ui PRIVATE
  etap_ii.h etap_ii.cpp
  wire_grid.h wire_grid.cpp
  drawings/dimension_marks.h drawings/dimension_marks.cpp
  drawings/conductor_layout_drawing.h drawings/conductor_layout_drawing.cpp
  drawings/core_window_drawing.h drawings/core_window_drawing.cpp
  drawings/core_window_picture.h drawings/core_window_picture.cpp
)
