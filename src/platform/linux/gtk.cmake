# The GTK 3 window host (X11 only). The key table is plain code and is tested without a display.
find_package(PkgConfig REQUIRED)
pkg_check_modules(PELORIN_GTK REQUIRED IMPORTED_TARGET gtk+-3.0)

add_library(pelorin_linux_gtk STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/gdk_virtual_key.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/glib_ui_dispatcher.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gtk_clipboard.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gtk_host_window.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gtk_window_system.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/keysym_to_vk.cpp)
target_link_libraries(pelorin_linux_gtk PUBLIC pelorin_cairo_render PkgConfig::PELORIN_GTK)
