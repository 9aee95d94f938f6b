target_sources(ui PRIVATE
  ku_window.h ku_window.cpp
  zigzag_window.h zigzag_window.cpp
  drawings/ku_sketch.h drawings/ku_sketch.cpp
  drawings/zigzag_sketch.h drawings/zigzag_sketch.cpp
)
