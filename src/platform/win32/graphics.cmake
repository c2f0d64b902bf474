# Pictures, offscreen drawing and text through GDI+.
add_library(pelorin_win32_graphics STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/gdiplus_canvas.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gdiplus_font.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gdiplus_graphics.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gdiplus_image.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gdiplus_session.cpp)
target_include_directories(pelorin_win32_graphics PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(pelorin_win32_graphics PUBLIC pelorin_platform gdiplus
                      PRIVATE pelorin_warnings shlwapi ole32 user32 gdi32)
