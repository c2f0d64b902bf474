pelorin_core_library(pelorin_sim_hid
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_mouse.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/sim_hid_bus.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/virtual_clock.h)
target_link_libraries(pelorin_sim_hid PUBLIC pelorin_platform)
