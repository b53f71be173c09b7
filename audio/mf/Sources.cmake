# MP3 decoding on Windows (Media Foundation's source reader), added to lume_audio by
# audio/CMakeLists.txt.
# mfplat.dll and mfreadwrite.dll are loaded at run time (MediaFoundationMf.cpp), never
# imported: Windows N editions lack them and the program must still start there. mfuuid is a
# static library of interface identifiers, ole32 (COM) is on every Windows.
target_sources(lume_audio PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MediaFoundationMf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Mp3DecoderMf.cpp)
target_link_libraries(lume_audio PRIVATE mfuuid ole32)
