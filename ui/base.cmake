target_sources(ui PRIVATE
  app_context.h
  messages.h messages.cpp
  controls.h controls.cpp
  field_mark.h field_mark.cpp
  clipboard_button.h clipboard_button.cpp
  drawings/palette.h
  window_placement.h window_placement.cpp
  o_programme.h o_programme.cpp
  spravka.h spravka.cpp
  window_keys.h window_keys.cpp
  input_tips.h input_tips.cpp
  window_set.h window_set.cpp
)
# The manual the Help window shows, compiled into the program.
qt_add_resources(ui help_manual PREFIX "/help" BASE help FILES help/manual.html)
