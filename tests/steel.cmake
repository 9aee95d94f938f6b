# Electrical-steel catalogue: curves, the Stal.dat record, the catalogue.
dravik_tests(steel_tests
  steel/steel_curves_test.cpp
  steel/stal_file_test.cpp
  steel/steel_catalogue_test.cpp
)
target_link_libraries(steel_tests PRIVATE engine_steel)
