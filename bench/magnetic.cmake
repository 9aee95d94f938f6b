# Mean time of the Stage I calculation of the typical design.
add_executable(magnetic_bench
  ${PROJECT_SOURCE_DIR}/bench/magnetic_bench.cpp
  ${PROJECT_SOURCE_DIR}/tests/magnetic/test_steels.cpp
)
target_include_directories(magnetic_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(magnetic_bench PRIVATE engine_magnetic)
