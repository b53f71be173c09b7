# The Windows image decoder (WIC), added to lume_image by framework/image/CMakeLists.txt.
target_sources(lume_image PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ImageSourceFileWic.cpp)
target_link_libraries(lume_image PRIVATE windowscodecs ole32)
