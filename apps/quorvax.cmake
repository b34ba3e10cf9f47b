# The two executables, built from the same libraries: the desktop game on SDL2 and the
# scripted headless driver. Both land in the build folder beside image/ and audio/,
# the files they load from their working directory.
add_executable(quorvax ${CMAKE_CURRENT_SOURCE_DIR}/quorvax.cpp)
target_link_libraries(quorvax PRIVATE game_ui platform_sdl)
set_target_properties(quorvax PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

file(GLOB QUORVAX_HEADLESS_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/headless/*.cpp)
if(QUORVAX_HEADLESS_SOURCES)
  find_package(nlohmann_json 3 REQUIRED)
  add_executable(quorvax-headless ${QUORVAX_HEADLESS_SOURCES})
  target_link_libraries(quorvax-headless PRIVATE game_ui platform_headless nlohmann_json::nlohmann_json)
  set_target_properties(quorvax-headless PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

if(TARGET assets)
  add_dependencies(quorvax assets)
  if(TARGET quorvax-headless)
    add_dependencies(quorvax-headless assets)
  endif()
endif()
