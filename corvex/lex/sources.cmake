# Windows-free scanning code of the Corvex control: lexers, search, brace matching and
# the byte formats of macros and hot keys. Compiled into the corvex_core library
# (corvex/core.cmake) with the text engine.
get_filename_component(CORVEX_SCAN_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CORVEX_SCAN_SOURCES
  ${CORVEX_SCAN_ROOT}/lex/keyword_set.cpp
  ${CORVEX_SCAN_ROOT}/lex/keyword_tables.cpp
  ${CORVEX_SCAN_ROOT}/lex/code_syntaxes.cpp
  ${CORVEX_SCAN_ROOT}/lex/code_scanner.cpp
  ${CORVEX_SCAN_ROOT}/lex/code_lexer.cpp
  ${CORVEX_SCAN_ROOT}/lex/markup_lexer.cpp
  ${CORVEX_SCAN_ROOT}/lex/lexer_registry.cpp
  ${CORVEX_SCAN_ROOT}/lex/lex_state_cache.cpp
  ${CORVEX_SCAN_ROOT}/search/text_search.cpp
  ${CORVEX_SCAN_ROOT}/search/preserve_case.cpp
  ${CORVEX_SCAN_ROOT}/search/replace_plan.cpp
  ${CORVEX_SCAN_ROOT}/search/search_history.cpp
  ${CORVEX_SCAN_ROOT}/search/brace_match.cpp
  ${CORVEX_SCAN_ROOT}/formats/byte_io.cpp
  ${CORVEX_SCAN_ROOT}/formats/editor_command.cpp
  ${CORVEX_SCAN_ROOT}/formats/macro.cpp
  ${CORVEX_SCAN_ROOT}/formats/hotkey_table.cpp
  ${CORVEX_SCAN_ROOT}/formats/default_hotkeys.cpp
)
