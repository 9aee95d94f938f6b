list(APPEND ENGINE_TEST_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/common/number_text_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/common/guards_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/common/cp1251_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/common/similarity_test.cpp
)
