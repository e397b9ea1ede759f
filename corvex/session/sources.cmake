# The Windows-free companions of the edit session that use the scanners and formats:
# find and replace on a session, recording and playing macros, the lexer states a view
# paints from, and keyword case. Compiled into the corvex_core library (corvex/core.cmake).
set(CORVEX_SESSION_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/session_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/macro_recorder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/macro_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_lexer.cpp
)
