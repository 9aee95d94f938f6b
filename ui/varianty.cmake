target_sources(ui PRIVATE
  varianty_window.h varianty_window.cpp
  variant_grid.h variant_grid.cpp
  variant_apply.h variant_apply.cpp
)
