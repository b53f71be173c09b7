# Audio output on Windows (waveOut, with a silent real-time fallback), added to lume_audio by
# audio/CMakeLists.txt.
target_sources(lume_audio PRIVATE ${CMAKE_CURRENT_LIST_DIR}/OutputWaveOut.cpp)
target_link_libraries(lume_audio PRIVATE winmm)
