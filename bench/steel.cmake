# Load time of a full steel catalogue (103 stored steels).
add_executable(steel_load_bench steel_load_bench.cpp)
target_link_libraries(steel_load_bench PRIVATE engine_steel)
