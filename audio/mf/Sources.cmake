# MP3 decoding on Windows (Media Foundation's source reader), added to lume_audio by
# audio/CMakeLists.txt.
target_sources(lume_audio PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Mp3DecoderMf.cpp)
target_link_libraries(lume_audio PRIVATE mfreadwrite mfplat mfuuid ole32)
