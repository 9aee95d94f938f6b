target_sources(engine PRIVATE
  catalogues/steel_entry.h
)
