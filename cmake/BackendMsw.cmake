# The Windows backend (LUME_BACKEND msw, cross-built with cmake/mingw-w64-x86_64.cmake): what
# it stands on besides MinGW-w64's own headers and libraries, and every source file it adds to
# the portable libraries. Debian ships no MinGW builds of Boost or GoogleTest, but both work
# from source. framework/app/BACKENDS.md says what a backend must do.

# Modes and tools that need Linux (FFmpeg, inotify-only authoring, Xvfb benchmarks) are left
# out of this build.
set(LUME_WITH_AUTHORING OFF)
set(LUME_WITH_RENDER OFF)
set(LUME_WITH_TOOLS OFF)
# How executables carry their resources (cmake/Resources.cmake): a .rc file for windres.
set(LUME_RESOURCE_FORMAT rc)

enable_language(RC)

# Boost is header-only here (Signals2, Asio): the build tree holds an include folder with
# nothing in it but a link to Debian's boost headers, so the rest of /usr/include (Linux
# headers) never reaches the Windows compiler. Asio's io_context needs Winsock.
set(LUME_BOOST_INCLUDE /usr/include/boost CACHE PATH "Boost headers (Debian's libboost-dev)")
if(NOT EXISTS ${LUME_BOOST_INCLUDE}/version.hpp)
  message(FATAL_ERROR "no Boost headers in ${LUME_BOOST_INCLUDE} (scripts/install-deps installs libboost-dev)")
endif()
set(boostLinkFolder ${CMAKE_BINARY_DIR}/boost-include)
file(MAKE_DIRECTORY ${boostLinkFolder})
file(CREATE_LINK ${LUME_BOOST_INCLUDE} ${boostLinkFolder}/boost SYMBOLIC)
add_library(Boost::headers INTERFACE IMPORTED)
set_target_properties(Boost::headers PROPERTIES
  INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${boostLinkFolder}
  INTERFACE_INCLUDE_DIRECTORIES ${boostLinkFolder}
  INTERFACE_LINK_LIBRARIES ws2_32)

add_library(OpenGL::GL INTERFACE IMPORTED)
set_target_properties(OpenGL::GL PROPERTIES INTERFACE_LINK_LIBRARIES opengl32)

# GoogleTest from Debian's sources (googletest package), built with this toolchain, under the
# target names find_package(GTest) gives on Linux. Called by tests/CMakeLists.txt.
macro(lume_googletest_from_source)
  set(LUME_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest)")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${LUME_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(lib gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
endmacro()

# The backend's files in the portable libraries, once those exist.
function(lume_backend_sources)
  set(root ${PROJECT_SOURCE_DIR})
  target_sources(lume_resources PRIVATE ${root}/framework/app/rc/ResourceLookupRc.cpp)
  target_sources(lume_app PRIVATE
    ${root}/framework/app/msw/AppImplMsw.cpp
    ${root}/framework/app/msw/DesktopCoverMsw.cpp
    ${root}/framework/app/msw/DisplayModeMsw.cpp
    ${root}/framework/app/msw/DisplaysMsw.cpp
    ${root}/framework/app/msw/FileWatchMsw.cpp
    ${root}/framework/app/msw/KeyTranslationMsw.cpp
    ${root}/framework/app/msw/MessageBoxMsw.cpp
    ${root}/framework/app/msw/PlatformMsw.cpp
    ${root}/framework/app/msw/RendererGlImplMsw.cpp
    ${root}/framework/app/msw/SignalsMsw.cpp
    ${root}/framework/app/msw/ThreadPriorityMsw.cpp
    ${root}/framework/app/msw/WindowImplMsw.cpp
  )
  # user32/gdi32 for windows and monitors, opengl32 for WGL, shell32 for the command line and
  # dropped files, winmm for the 1 ms timer period.
  target_link_libraries(lume_app PRIVATE opengl32 gdi32 user32 shell32 winmm)
  # Images: WIC decodes; no PNG writer on Windows yet (ImageWrite.h).
  target_sources(lume_image PRIVATE ${root}/framework/image/wic/ImageSourceFileWic.cpp)
  target_link_libraries(lume_image PRIVATE windowscodecs ole32)
  # Audio: Media Foundation's source reader decodes MP3, waveOut plays (a silent real-time
  # thread when no device opens). mfplat.dll and mfreadwrite.dll are loaded at run time
  # (MediaFoundationMf.cpp), never imported: Windows N editions lack them and the program must
  # still start there. mfuuid is a static library of interface identifiers.
  target_sources(lume_audio PRIVATE
    ${root}/audio/mf/MediaFoundationMf.cpp
    ${root}/audio/mf/Mp3DecoderMf.cpp
    ${root}/audio/msw/OutputWaveOut.cpp
  )
  target_link_libraries(lume_audio PRIVATE mfuuid ole32 winmm)
endfunction()

# What every shipped program of this backend gets.
function(lume_backend_executable target)
  # A program without a console window of its own: its standard error still reaches the
  # console or redirect it was started from. Test programs stay console programs.
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  # The build folder itself is what ships: the executable (every other resource inside) with
  # the soundtrack beside it, where the player looks for it.
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  # A release build ships without symbols (the static runtimes bring megabytes of them).
  target_link_options(${target} PRIVATE $<$<CONFIG:Release>:-s>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/resources/vell-short.mp3
            ${CMAKE_BINARY_DIR}/vell-short.mp3)
endfunction()
