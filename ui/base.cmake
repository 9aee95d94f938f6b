target_sources(ui PRIVATE
  placeholder.cpp
)
