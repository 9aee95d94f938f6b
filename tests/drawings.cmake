dravik_tests(drawing_tests
  drawings/drawing_test_support.h
  drawings/label_placement_test.cpp
  drawings/section_geometry_test.cpp
  drawings/core_views_geometry_test.cpp
  drawings/core_window_geometry_test.cpp
)
# The Stage II drawing is tested on windings the engine calculates.
target_link_libraries(drawing_tests PRIVATE drawing_geometry engine_hv_report)
