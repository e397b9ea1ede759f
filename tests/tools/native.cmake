# Tool windows: the Windows-free arithmetic of the drop-downs, the favourites' stored
# form and the About window's shadow under the sanitizers, and the generator of the
# program's own pictures.
quillet_native_test(tools_tests
  ${CMAKE_CURRENT_LIST_DIR}/popup_geometry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_shadow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/favourite_test.cpp
  ${QUILLET_ROOT}/tools/popup_geometry.cpp
  ${QUILLET_ROOT}/tools/about_shadow.cpp
  ${QUILLET_ROOT}/tools/favourite.cpp)

# `toolartgen <folder>` draws the about picture and the start-up marker; the output is
# committed under app/res/.
add_executable(toolartgen
  ${QUILLET_ROOT}/tools/art/toolartgen.cpp
  ${QUILLET_ROOT}/tools/art/tool_art.cpp
  ${QUILLET_ROOT}/tools/art/stroke_text.cpp
  ${QUILLET_ROOT}/skin/art/canvas.cpp
  ${QUILLET_ROOT}/skin/art/bmp_file.cpp)
target_include_directories(toolartgen PRIVATE ${QUILLET_ROOT})

# The committed pictures are exactly what toolartgen draws.
add_test(NAME tool_art_is_current
  COMMAND ${CMAKE_COMMAND} -DTOOLARTGEN=$<TARGET_FILE:toolartgen> -DOUT=${CMAKE_CURRENT_BINARY_DIR}/toolart-out
          -DRES=${QUILLET_ROOT}/app/res -P ${CMAKE_CURRENT_LIST_DIR}/art_is_current.cmake)
