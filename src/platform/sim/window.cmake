# Offscreen rendering on cairo and Pango (shared with the GTK host, so both draw the same
# pixels) and the headless window host the UI tests run on.
find_package(PkgConfig REQUIRED)
pkg_check_modules(PELORIN_CAIRO REQUIRED IMPORTED_TARGET cairo pangocairo gdk-pixbuf-2.0)

add_library(pelorin_cairo_render STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/back_buffer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/cairo_canvas.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/cairo_graphics.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/cairo_image.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/font_family.cpp)
target_include_directories(pelorin_cairo_render PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(pelorin_cairo_render PUBLIC pelorin_platform pelorin_warnings
                                                  PkgConfig::PELORIN_CAIRO)

add_library(pelorin_sim_window STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_window.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_window_system.cpp)
target_link_libraries(pelorin_sim_window PUBLIC pelorin_cairo_render)
