# Mean time of the Stage I calculation of the typical design.
add_executable(magnetic_bench ${PROJECT_SOURCE_DIR}/bench/magnetic_bench.cpp)
target_link_libraries(magnetic_bench PRIVATE engine_magnetic engine_steel)
