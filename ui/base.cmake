target_sources(ui PRIVATE
  app_context.h
  messages.h messages.cpp
  controls.h controls.cpp
  field_mark.h field_mark.cpp
  clipboard_button.h clipboard_button.cpp
  drawings/palette.h
  window_placement.h window_placement.cpp
  o_programme.h o_programme.cpp
  window_keys.h window_keys.cpp
  input_tips.h input_tips.cpp
  window_set.h window_set.cpp
)
