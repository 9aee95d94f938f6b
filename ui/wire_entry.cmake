target_sources(ui PRIVATE
  provod_window.h provod_window.cpp
)
