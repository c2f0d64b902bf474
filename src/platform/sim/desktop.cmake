# The headless desktop: a notification icon, shell and keyboard hook that tests drive and inspect.
add_library(pelorin_sim_desktop STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_desktop.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_focus_source.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_keyboard_hook.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_shell.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_tray_icon.cpp)
target_link_libraries(pelorin_sim_desktop PUBLIC pelorin_sim_window)
