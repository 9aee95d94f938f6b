target_sources(ui PRIVATE
)
