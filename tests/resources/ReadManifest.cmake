# cmake -DMANIFEST=<file> -P ReadManifest.cmake: reads a resource manifest as the build does.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/Resources.cmake)
lume_read_resource_manifest("${MANIFEST}" types ids paths)
message(STATUS "${MANIFEST}: ${ids}")
