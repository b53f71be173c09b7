# The Linux backend (LUME_BACKEND sdl, the default): SDL2 for windows, input, GL contexts and
# audio output, XRandR for display modes, libjpeg-turbo and libpng for images, libmpg123 for
# MP3, inotify for file watches; and every source file it adds to the portable libraries.
# framework/app/BACKENDS.md says what a backend must do.
find_package(Boost 1.74 REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
find_package(PkgConfig REQUIRED)
find_package(SDL2 REQUIRED)
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
find_package(X11 REQUIRED)
pkg_check_modules(MPG123 REQUIRED IMPORTED_TARGET libmpg123)

# The authoring mode (--scene), the offline renderer (--render, on FFmpeg's libraries), and
# the benchmarks and tools (they start Xvfb servers) are built here.
set(LUME_WITH_AUTHORING ON)
set(LUME_WITH_RENDER ON)
set(LUME_WITH_TOOLS ON)
# How executables carry their resources (cmake/Resources.cmake): an .incbin table.
set(LUME_RESOURCE_FORMAT incbin)

# The backend's files in the portable libraries, once those exist.
function(lume_backend_sources)
  set(root ${PROJECT_SOURCE_DIR})
  target_sources(lume_resources PRIVATE ${root}/framework/app/incbin/ResourceLookupIncbin.cpp)
  target_sources(lume_app PRIVATE
    ${root}/framework/app/sdl/AppImplSdl.cpp
    ${root}/framework/app/sdl/DesktopCoverSdl.cpp
    ${root}/framework/app/sdl/DisplayModeXrandr.cpp
    ${root}/framework/app/sdl/DisplayModeXwayland.cpp
    ${root}/framework/app/sdl/DisplaysSdl.cpp
    ${root}/framework/app/sdl/FileWatchInotify.cpp
    ${root}/framework/app/sdl/KeyTranslationSdl.cpp
    ${root}/framework/app/sdl/MessageBoxSdl.cpp
    ${root}/framework/app/sdl/PlatformSdl.cpp
    ${root}/framework/app/sdl/RendererGlImplSdl.cpp
    ${root}/framework/app/sdl/SignalsSdl.cpp
    ${root}/framework/app/sdl/ThreadPrioritySdl.cpp
    ${root}/framework/app/sdl/WindowImplSdl.cpp
    ${root}/framework/app/sdl/X11Util.cpp
  )
  target_link_libraries(lume_app PRIVATE SDL2::SDL2 X11::X11 X11::Xrandr)
  # Images: decoding and PNG writing through libjpeg-turbo and libpng.
  target_sources(lume_image PRIVATE
    ${root}/framework/image/jpegpng/ImageSourceFileJpegPng.cpp
    ${root}/framework/image/jpegpng/ImageWriteJpegPng.cpp
  )
  target_link_libraries(lume_image PRIVATE JPEG::JPEG PNG::PNG)
  # Audio: libmpg123 decodes, SDL2 audio plays (its dummy driver when there is no device).
  target_sources(lume_audio PRIVATE
    ${root}/audio/mpg123/Mp3DecoderMpg123.cpp
    ${root}/audio/sdl/OutputSdl.cpp
  )
  target_link_libraries(lume_audio PRIVATE PkgConfig::MPG123 SDL2::SDL2)
endfunction()

# What every shipped program of this backend gets: nothing beyond the portable build.
function(lume_backend_executable target)
endfunction()
