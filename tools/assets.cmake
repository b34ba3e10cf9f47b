# Builds the game's pictures and sounds from their text sources in assets/ and places
# them beside the executables: ${CMAKE_BINARY_DIR}/image and ${CMAKE_BINARY_DIR}/audio.
# `assets` is part of every build; `contact_sheet` draws the sheet large for checking.
add_library(quorvax_sheet_source STATIC sheet_source.cpp)
add_library(quorvax_sound_synth STATIC sound_synth.cpp)

add_executable(make_sheet make_sheet.cpp)
target_link_libraries(make_sheet PRIVATE quorvax_sheet_source PkgConfig::SDL2)
add_executable(make_contact_sheet make_contact_sheet.cpp)
target_link_libraries(make_contact_sheet PRIVATE quorvax_sheet_source)
add_executable(make_sounds make_sounds.cpp)
target_link_libraries(make_sounds PRIVATE quorvax_sound_synth)

set(QUORVAX_ASSET_SOURCES ${CMAKE_SOURCE_DIR}/assets)
set(QUORVAX_IMAGE_DIR ${CMAKE_BINARY_DIR}/image)
set(QUORVAX_AUDIO_DIR ${CMAKE_BINARY_DIR}/audio)

add_custom_command(
  OUTPUT ${QUORVAX_IMAGE_DIR}/quorvax.bmp ${QUORVAX_IMAGE_DIR}/blank.bmp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVAX_IMAGE_DIR}
  COMMAND make_sheet ${QUORVAX_ASSET_SOURCES}/sheet.txt ${QUORVAX_IMAGE_DIR}
  DEPENDS make_sheet ${QUORVAX_ASSET_SOURCES}/sheet.txt
  COMMENT "Drawing the sprite sheet"
  VERBATIM)

set(QUORVAX_SOUNDS 1 2 3 4 fire hit lose ufo ufohit lifeup)
list(TRANSFORM QUORVAX_SOUNDS PREPEND ${QUORVAX_AUDIO_DIR}/)
list(TRANSFORM QUORVAX_SOUNDS APPEND .wav)
add_custom_command(
  OUTPUT ${QUORVAX_SOUNDS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVAX_AUDIO_DIR}
  COMMAND make_sounds ${QUORVAX_ASSET_SOURCES}/sounds.txt ${QUORVAX_AUDIO_DIR}
  DEPENDS make_sounds ${QUORVAX_ASSET_SOURCES}/sounds.txt
  COMMENT "Synthesising the sounds"
  VERBATIM)

add_custom_target(assets ALL
  DEPENDS ${QUORVAX_IMAGE_DIR}/quorvax.bmp ${QUORVAX_IMAGE_DIR}/blank.bmp ${QUORVAX_SOUNDS})

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/contact_sheet.png
  COMMAND make_contact_sheet ${QUORVAX_ASSET_SOURCES}/sheet.txt ${CMAKE_BINARY_DIR}/contact_sheet.png
  DEPENDS make_contact_sheet ${QUORVAX_ASSET_SOURCES}/sheet.txt
  COMMENT "Drawing the contact sheet"
  VERBATIM)
add_custom_target(contact_sheet DEPENDS ${CMAKE_BINARY_DIR}/contact_sheet.png)
