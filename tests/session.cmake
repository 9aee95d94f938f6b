# A session in the test program itself: what the recorder writes of a
# user's actions, and designs saved and opened again in fresh sessions.
find_package(Qt6 REQUIRED COMPONENTS Test)
dravik_tests(session_tests
  session/session_main.cpp
  session/session_support.h session/session_support.cpp
  session/recorder_test.cpp
  session/design_round_trip_test.cpp
  session/document_menus_test.cpp
  ${PROJECT_SOURCE_DIR}/app/platform_noise.cpp
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
)
target_include_directories(session_tests PRIVATE ${PROJECT_SOURCE_DIR}/app)
target_link_libraries(session_tests PRIVATE session Qt6::Test)
target_compile_definitions(session_tests PRIVATE
  DRAVIK_SHIPPED_WIRES="${DRAVIK_SHIPPED_WIRE_CATALOGUE}"
  DRAVIK_EXAMPLES="${PROJECT_SOURCE_DIR}/examples")
add_dependencies(session_tests shipped_wire_catalogue)
