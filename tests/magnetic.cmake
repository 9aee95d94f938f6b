# Tests of this area.
list(APPEND ENGINE_TEST_SOURCES
)
