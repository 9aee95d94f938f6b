target_sources(ui PRIVATE
  stalj_window.h stalj_window.cpp
  steel_grid.h steel_grid.cpp
  arrow_spin_box.h arrow_spin_box.cpp
)
