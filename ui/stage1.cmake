target_sources(ui PRIVATE
  etap_i.h etap_i.cpp
  iarmo_razmery.h iarmo_razmery.cpp
  drawings/section_drawing.h drawings/section_drawing.cpp
  drawings/core_drawing.h drawings/core_drawing.cpp
)
