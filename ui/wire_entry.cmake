target_sources(ui PRIVATE
  provod_window.h provod_window.cpp
  drawings/conductor_sketch.h drawings/conductor_sketch.cpp
)
