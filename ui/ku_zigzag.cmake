target_sources(ui PRIVATE
  ku_window.h ku_window.cpp
  zigzag_window.h zigzag_window.cpp
)
