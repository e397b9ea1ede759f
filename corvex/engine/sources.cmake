# The Windows-free text engine of Corvex, compiled into the corvex_core library
# (corvex/core.cmake). Sources include their headers as "corvex/engine/...", so the
# library needs the repository root on its include path: CORVEX_ENGINE_INCLUDE_DIR.
set(CORVEX_ENGINE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/text_buffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bookmarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/column_marks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_ops.cpp
  ${CMAKE_CURRENT_LIST_DIR}/word_wrap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/row_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scroll_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pane_splits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widest_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/code_page.cpp
)
get_filename_component(CORVEX_ENGINE_INCLUDE_DIR "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
