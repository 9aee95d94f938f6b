target_sources(ui PRIVATE
  etap_i.h etap_i.cpp
  iarmo_razmery.h iarmo_razmery.cpp
  drawings/section_drawing.h drawings/section_drawing.cpp
  drawings/core_drawing.h drawings/core_drawing.cpp
  drawings/scene_painting.h drawings/scene_painting.cpp
  drawings/section_picture.h drawings/section_picture.cpp
  drawings/core_views_picture.h drawings/core_views_picture.cpp
  drawings/field_feeds.h drawings/field_feeds.cpp
)
