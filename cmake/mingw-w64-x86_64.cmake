# Cross build for 64-bit Windows with Debian's MinGW-w64, e.g.
#   cmake -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The posix flavour of the compilers, because the win32 one has no std::thread. Every program
# links fully static: with the shared runtimes it would need libwinpthread-1.dll and friends
# beside it, and Wine then ends it with status 53 before it prints anything.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LUME_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LUME_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUME_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LUME_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUME_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Test programs (gtest_discover_tests, ctest) run under Wine through this wrapper; it keeps one
# prefix per build tree and sets up what a quiet, non-blocking run needs.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
