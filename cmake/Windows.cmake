# What the Windows build (LUME_BACKEND msw) stands on besides MinGW-w64's own headers and
# libraries. Debian ships no MinGW builds of Boost or GoogleTest, but both work from source.

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
