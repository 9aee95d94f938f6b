# Mean time of the Stage I calculation of the typical design, on the same
# inputs as its report test.
add_executable(magnetic_bench magnetic_bench.cpp)
target_include_directories(magnetic_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(magnetic_bench PRIVATE engine_magnetic engine_steel)
