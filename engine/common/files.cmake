dravik_engine_library(engine_common
  common/command_error.h
  common/input_range.h common/input_range.cpp
  common/number_text.h common/number_text.cpp
  common/number_input.h common/number_input.cpp
  common/guards.h common/guards.cpp
  common/cp1251.h common/cp1251.cpp
  common/catalogue_file.h common/catalogue_file.cpp
  common/similarity.h common/similarity.cpp
  common/report.h
  common/runtime_texts.h
)
