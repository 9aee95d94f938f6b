target_sources(ui PRIVATE
  stalj_window.h stalj_window.cpp
)
