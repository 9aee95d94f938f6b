# The program's own layer: what a script run lets through to standard error.
dravik_tests(app_tests
  app/platform_noise_test.cpp
  ${PROJECT_SOURCE_DIR}/app/platform_noise.cpp
)
target_include_directories(app_tests PRIVATE ${PROJECT_SOURCE_DIR}/app)
target_link_libraries(app_tests PRIVATE Qt6::Core)
