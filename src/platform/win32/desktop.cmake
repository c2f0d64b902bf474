# The desktop seam on Windows: single instance, notification icon, shell and file dialogs, and
# the low-level keyboard hook.
add_library(pelorin_win32_desktop STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_console.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_desktop.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_keyboard_hook.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_shell.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_single_instance.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_tray_icon.cpp)
target_link_libraries(pelorin_win32_desktop PUBLIC pelorin_win32_window
                      PRIVATE pelorin_warnings shell32 comdlg32)
