# The Windows backend's sources, included by the framework's CMakeLists for LUME_BACKEND msw.
target_sources(lume_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppImplMsw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplayModeMsw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplaysMsw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyTranslationMsw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxMsw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlatformMsw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RendererGlImplMsw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignalsMsw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowImplMsw.cpp
)
# user32/gdi32 for windows and monitors, opengl32 for WGL, shell32 for the command line and
# dropped files, winmm for the 1 ms timer period.
target_link_libraries(lume_app PRIVATE opengl32 gdi32 user32 shell32 winmm)
