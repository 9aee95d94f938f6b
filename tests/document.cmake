# Designs and report documents: the design file's format and the report's
# contents as text, HTML and pages.
dravik_tests(document_tests
  document/design_file_test.cpp
  document/report_document_test.cpp
)
target_link_libraries(document_tests PRIVATE engine_document)
