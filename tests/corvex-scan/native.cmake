# Scanning code of the Corvex control: lexers, search, brace matching, macro and hot-key formats.
include(${QUILLET_ROOT}/corvex/lex/sources.cmake)
set(CORVEX_SCAN_TEST_DIR ${QUILLET_ROOT}/tests/corvex-scan)

quillet_native_test(corvex_scan_tests
  ${CORVEX_SCAN_SOURCES}
  ${CORVEX_SCAN_TEST_DIR}/code_lexers_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/markup_lexers_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/lexer_registry_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/lex_state_cache_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/text_search_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/replace_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/search_history_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/brace_match_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/macro_format_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/hotkey_table_test.cpp
  ${CORVEX_SCAN_TEST_DIR}/scan_fuzz_test.cpp
)

quillet_native_bench(bench_scan ${CORVEX_SCAN_SOURCES} ${QUILLET_ROOT}/bench/scan_bench.cpp)

# libFuzzer targets, only where the compiler offers -fsanitize=fuzzer (clang).
include(CheckCXXSourceCompiles)
set(CORVEX_SCAN_SAVED_FLAGS "${CMAKE_REQUIRED_FLAGS}")
set(CMAKE_REQUIRED_FLAGS "-fsanitize=fuzzer")
check_cxx_source_compiles(
  "#include <cstddef>\nextern \"C\" int LLVMFuzzerTestOneInput(const unsigned char*, std::size_t) { return 0; }"
  CORVEX_SCAN_HAS_LIBFUZZER)
set(CMAKE_REQUIRED_FLAGS "${CORVEX_SCAN_SAVED_FLAGS}")
if(CORVEX_SCAN_HAS_LIBFUZZER AND NOT QUILLET_BENCH)
  foreach(target lexers formats)
    add_executable(fuzz_corvex_${target} ${CORVEX_SCAN_SOURCES} ${CORVEX_SCAN_TEST_DIR}/fuzz_${target}.cpp)
    target_include_directories(fuzz_corvex_${target} PRIVATE ${QUILLET_ROOT})
    target_compile_options(fuzz_corvex_${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_corvex_${target} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzzers fuzz_corvex_${target})
  endforeach()
endif()
