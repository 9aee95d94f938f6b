# The drawings' geometry: the design's numbers to shapes, scales and label
# places in the painter's units. Qt Core only, so that it is tested without
# a display and any painter (a window, a PDF page) can draw it.
add_library(drawing_geometry STATIC
  ${CMAKE_CURRENT_LIST_DIR}/drawing_numbers.h ${CMAKE_CURRENT_LIST_DIR}/drawing_numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_transform.h ${CMAKE_CURRENT_LIST_DIR}/view_transform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/label_placement.h ${CMAKE_CURRENT_LIST_DIR}/label_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene.h
  ${CMAKE_CURRENT_LIST_DIR}/section_geometry.h ${CMAKE_CURRENT_LIST_DIR}/section_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core_views_geometry.h ${CMAKE_CURRENT_LIST_DIR}/core_views_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core_window_geometry.h ${CMAKE_CURRENT_LIST_DIR}/core_window_geometry.cpp
)
target_include_directories(drawing_geometry PUBLIC ${PROJECT_SOURCE_DIR}/ui)
target_link_libraries(drawing_geometry PUBLIC engine_common Qt6::Core)
target_link_libraries(ui PUBLIC drawing_geometry)
