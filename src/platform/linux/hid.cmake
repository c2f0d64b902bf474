# The hidraw backend: sysfs discovery, hidraw nodes, hot-plug through udev or inotify.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBUDEV REQUIRED IMPORTED_TARGET libudev)

# The descriptor parser needs only the standard library; tests and tools use it on its own.
pelorin_core_library(pelorin_report_descriptor ${CMAKE_CURRENT_SOURCE_DIR}/report_descriptor.cpp)

add_library(pelorin_linux_hid STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/hidraw_bus.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hidraw_device.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hidraw_hotplug.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hidraw_inotify_source.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hidraw_permission.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hidraw_roots.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hidraw_sysfs.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hidraw_udev_source.cpp)
target_include_directories(pelorin_linux_hid PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(pelorin_linux_hid PUBLIC pelorin_platform pelorin_report_descriptor
                      PRIVATE pelorin_warnings PkgConfig::LIBUDEV)
add_library(pelorin_native_hid ALIAS pelorin_linux_hid)
