# The Windows-free sources of the skin engine, shared by the native test build and the
# Windows build. Include this file and use SKIN_PURE_SOURCES.
set(SKIN_PURE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/skin_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_caption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_buttons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_hit_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/three_slice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/region_runs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bitmap_file_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_scaling.cpp
)
# The folder of the installed skins, copied as it is into the Skin folder of the program.
set(SKIN_INSTALLED_DIR ${CMAKE_CURRENT_LIST_DIR}/installed)
