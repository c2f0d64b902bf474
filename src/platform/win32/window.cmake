# The Win32 window host: windows, timers, input, the clipboard, the window thread's dispatcher.
add_library(pelorin_win32_window STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_clipboard.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_host_window.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_ui_dispatcher.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_window_system.cpp)
target_include_directories(pelorin_win32_window PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(pelorin_win32_window PUBLIC pelorin_win32_graphics
                      PRIVATE pelorin_warnings user32 gdi32)
