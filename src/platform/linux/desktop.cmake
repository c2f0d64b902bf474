# The desktop seam on Linux: single instance (POSIX only, usable without a display), and the
# notification icon, shell and keyboard hook of the GTK host.
pelorin_core_library(pelorin_linux_instance
  ${CMAKE_CURRENT_SOURCE_DIR}/runtime_folder.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/unix_single_instance.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/xdg_autostart.cpp)
target_link_libraries(pelorin_linux_instance PUBLIC pelorin_platform)

pelorin_core_library(pelorin_mouse_settings ${CMAKE_CURRENT_SOURCE_DIR}/mouse_settings.cpp)

pkg_check_modules(PELORIN_DESKTOP REQUIRED IMPORTED_TARGET ayatana-appindicator3-0.1 x11 xtst xcb xcb-res)
add_library(pelorin_linux_desktop STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/display_loss.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gtk_desktop.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gtk_shell.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gtk_tray_icon.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/x11_focus_source.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/x11_keyboard_hook.cpp)
target_link_libraries(pelorin_linux_desktop
  PUBLIC pelorin_linux_gtk pelorin_linux_instance
  PRIVATE pelorin_mouse_settings pelorin_warnings PkgConfig::PELORIN_DESKTOP)
