# The player's pieces that need no application object: queue, playlist, pacing, uniforms,
# scene pass, assembly, the loader's work loop and the show engine they make up. The executable, the player's tests and
# benchmarks, and content tools (scene benchmark, contact sheet) link them from here.
if(NOT TARGET fraglume_player)
  add_library(fraglume_player STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageSlots.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JobQueue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Playlist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SceneAssembly.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SceneLoader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScenePass.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SceneTimeline.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShowEngine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Uniforms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/authoring/AuthoringOptions.cpp
  )
  target_include_directories(fraglume_player PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(fraglume_player PUBLIC lume_gl lume_image lume_resources Threads::Threads)
  # The offline renderer (app/render), where the backend builds it: its command line is read
  # here, the renderer itself is linked by the executable.
  if(LUME_WITH_RENDER)
    target_sources(fraglume_player PRIVATE ${CMAKE_CURRENT_LIST_DIR}/render/RenderOptions.cpp)
    target_compile_definitions(fraglume_player PUBLIC FRAGLUME_WITH_RENDER=1)
  endif()
endif()
