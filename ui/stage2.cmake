target_sources(ui PRIVATE
  etap_ii.h etap_ii.cpp
)
