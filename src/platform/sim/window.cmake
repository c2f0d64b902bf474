# The headless window host the UI tests run on, drawing through the shared cairo renderer.
add_library(pelorin_sim_window STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_window.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_window_system.cpp)
target_link_libraries(pelorin_sim_window PUBLIC pelorin_cairo_render)
