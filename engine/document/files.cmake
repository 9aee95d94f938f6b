# Designs and report documents: the design file, and the report's contents
# as text, HTML and pages.
dravik_engine_library(engine_document
  document/design_file.h document/design_file.cpp
  document/report_document.h document/report_document.cpp
)
target_link_libraries(engine_document PUBLIC engine_common)
