# Corvex text engine: unit tests and bounded fuzz drivers under ASan/UBSan, an optional
# libFuzzer target (clang only), and the engine benchmarks. The engine itself is in
# corvex_core (tests/native/CMakeLists.txt).
if(NOT QUILLET_BENCH)
  quillet_native_test(corvex_engine_tests
    ${QUILLET_ROOT}/tests/corvex/text_buffer_test.cpp
    ${QUILLET_ROOT}/tests/corvex/text_document_test.cpp
    ${QUILLET_ROOT}/tests/corvex/file_codec_test.cpp
    ${QUILLET_ROOT}/tests/corvex/text_ops_test.cpp
    ${QUILLET_ROOT}/tests/corvex/word_wrap_test.cpp
    ${QUILLET_ROOT}/tests/corvex/scroll_geometry_test.cpp
    ${QUILLET_ROOT}/tests/corvex/engine_fuzz.cpp
    ${QUILLET_ROOT}/tests/corvex/engine_fuzz_test.cpp
    ${QUILLET_ROOT}/tests/corvex/edit_session_test.cpp
    ${QUILLET_ROOT}/tests/corvex/editing_rules_test.cpp
    ${QUILLET_ROOT}/tests/corvex/session_search_test.cpp
    ${QUILLET_ROOT}/tests/corvex/macro_session_test.cpp
    ${QUILLET_ROOT}/tests/corvex/paint_lexer_test.cpp
    ${QUILLET_ROOT}/tests/corvex/row_walk_test.cpp
    ${QUILLET_ROOT}/tests/corvex/dpi_length_test.cpp
    ${QUILLET_ROOT}/tests/corvex/pane_splits_rescale_test.cpp
    ${QUILLET_ROOT}/tests/corvex/session_fuzz.cpp
    ${QUILLET_ROOT}/tests/corvex/session_fuzz_test.cpp)
  target_link_libraries(corvex_engine_tests PRIVATE corvex_core)

  # libFuzzer target, only where the compiler supports -fsanitize=fuzzer (clang).
  # Built and smoke-run by ctest; tests/native/run_fuzzers.sh runs it for longer.
  if(QUILLET_HAVE_LIBFUZZER)
    function(corvex_fuzz_program name)
      add_executable(${name} ${ARGN})
      target_include_directories(${name} PRIVATE ${QUILLET_ROOT})
      target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
      target_link_options(${name} PRIVATE -fsanitize=fuzzer)
      target_link_libraries(${name} PRIVATE corvex_core)
      add_dependencies(fuzzers ${name})
    endfunction()
    corvex_fuzz_program(fuzz_corvex_engine
      ${QUILLET_ROOT}/tests/corvex/engine_fuzz.cpp
      ${QUILLET_ROOT}/tests/corvex/libfuzzer_main.cpp)
    add_test(NAME fuzz_corvex_engine_smoke
             COMMAND fuzz_corvex_engine -runs=20000 -seed=1 -max_len=2048)

    # The edit session driven by sequences of editing actions.
    corvex_fuzz_program(fuzz_edit_session
      ${QUILLET_ROOT}/tests/corvex/session_fuzz.cpp
      ${QUILLET_ROOT}/tests/corvex/session_fuzz_main.cpp)
    add_test(NAME fuzz_edit_session_smoke
             COMMAND fuzz_edit_session -runs=5000 -seed=1 -max_len=2048)
  endif()
else()
  quillet_native_bench(bench_corvex_engine ${QUILLET_ROOT}/bench/corvex_engine_bench.cpp)
  target_link_libraries(bench_corvex_engine PRIVATE corvex_core)
  # A file of gigabytes loaded, edited and saved; ./quillet bench also runs its 32-bit build.
  quillet_native_bench(bench_huge_file ${QUILLET_ROOT}/bench/huge_file_bench.cpp)
  target_link_libraries(bench_huge_file PRIVATE corvex_core)
endif()
