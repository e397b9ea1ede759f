# corvex_core: the Windows-free code of the Corvex control (text engine, lexers, search,
# brace matching, macro and hot-key formats, the session's search and macros) as one
# static library. Corvex.dll links it, and so do the cross-built tests; the native build
# (tests/native) includes this file too, and its unit tests, fuzz programs and benchmarks
# link the library under that build's flags. Headers are included as "corvex/engine/...",
# "corvex/lex/..." and so on: the library puts the repository root on the include path of
# whatever links it.
include(${CMAKE_CURRENT_LIST_DIR}/engine/sources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/lex/sources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/session/sources.cmake)
add_library(corvex_core STATIC ${CORVEX_ENGINE_SOURCES} ${CORVEX_SCAN_SOURCES}
                               ${CORVEX_SESSION_SOURCES})
target_include_directories(corvex_core PUBLIC ${CORVEX_ENGINE_INCLUDE_DIR})
