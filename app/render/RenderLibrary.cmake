# The offline renderer (fraglume --render): the show drawn headless frame by frame and encoded
# through FFmpeg's libraries. Linux only; its command line is parsed in fraglume_player.
# Included by the executable, the render tests and the render benchmark.
if(NOT TARGET fraglume_render)
  include(${CMAKE_CURRENT_LIST_DIR}/../PlayerLibrary.cmake)
  pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET GLOBAL libavformat libavcodec libswresample libavutil)
  add_library(fraglume_render STATIC
    ${CMAKE_CURRENT_LIST_DIR}/FrameTimeline.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OutputFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PngSequenceWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Progress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Render.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShowRenderer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VideoWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Yuv420.cpp
  )
  # The colour conversion runs on the render thread for every frame: let the compiler turn
  # its loops into vector code (with an AVX2 build picked at run time, see Yuv420.cpp).
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/Yuv420.cpp PROPERTIES COMPILE_OPTIONS -ftree-vectorize)
  target_include_directories(fraglume_render PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(fraglume_render
    PUBLIC fraglume_player
    PRIVATE lume_app lume_audio PkgConfig::FFMPEG)
endif()
