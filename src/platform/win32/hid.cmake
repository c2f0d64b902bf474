# HID through SETUPAPI and HID.DLL, device notifications through a message-only window.
add_library(pelorin_win32_hid STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/hid_change_watcher.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hid_interface.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/overlapped_reader.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/system_error.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_hid_bus.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win32_hid_device.cpp)
target_include_directories(pelorin_win32_hid PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(pelorin_win32_hid PUBLIC pelorin_platform
                      PRIVATE pelorin_warnings hid setupapi user32)
add_library(pelorin_native_hid ALIAS pelorin_win32_hid)
