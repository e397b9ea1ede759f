# Scanning code of the Corvex control: lexers, search, brace matching, macro and hot-key
# formats. The code itself is in corvex_core (tests/native/CMakeLists.txt).
set(CORVEX_SCAN_TEST_DIR ${QUILLET_ROOT}/tests/corvex-scan)

quillet_native_test(corvex_scan_tests
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
target_link_libraries(corvex_scan_tests PRIVATE corvex_core)

quillet_native_bench(bench_scan ${QUILLET_ROOT}/bench/scan_bench.cpp)
target_link_libraries(bench_scan PRIVATE corvex_core)

# libFuzzer targets, only where the compiler offers -fsanitize=fuzzer (clang).
if(QUILLET_HAVE_LIBFUZZER AND NOT QUILLET_BENCH)
  foreach(target lexers formats)
    add_executable(fuzz_corvex_${target} ${CORVEX_SCAN_TEST_DIR}/fuzz_${target}.cpp)
    target_include_directories(fuzz_corvex_${target} PRIVATE ${QUILLET_ROOT})
    target_compile_options(fuzz_corvex_${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_corvex_${target} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_corvex_${target} PRIVATE corvex_core)
    add_dependencies(fuzzers fuzz_corvex_${target})
  endforeach()
endif()
