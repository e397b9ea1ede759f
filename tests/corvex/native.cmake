# Corvex text engine: unit tests and bounded fuzz drivers under ASan/UBSan, an optional
# libFuzzer target (clang only), and the engine benchmark. The engine itself is in
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
    ${QUILLET_ROOT}/tests/corvex/engine_fuzz_test.cpp)
  target_link_libraries(corvex_engine_tests PRIVATE corvex_core)

  # libFuzzer target, only where the compiler supports -fsanitize=fuzzer (clang).
  # Built and smoke-run by ctest; tests/native/run_fuzzers.sh runs it for longer.
  if(QUILLET_HAVE_LIBFUZZER)
    add_executable(fuzz_corvex_engine
      ${QUILLET_ROOT}/tests/corvex/engine_fuzz.cpp
      ${QUILLET_ROOT}/tests/corvex/libfuzzer_main.cpp)
    target_include_directories(fuzz_corvex_engine PRIVATE ${QUILLET_ROOT})
    target_compile_options(fuzz_corvex_engine PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_corvex_engine PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_corvex_engine PRIVATE corvex_core)
    add_dependencies(fuzzers fuzz_corvex_engine)
    add_test(NAME fuzz_corvex_engine_smoke
             COMMAND fuzz_corvex_engine -runs=20000 -seed=1 -max_len=2048)
  endif()
else()
  quillet_native_bench(bench_corvex_engine ${QUILLET_ROOT}/bench/corvex_engine_bench.cpp)
  target_link_libraries(bench_corvex_engine PRIVATE corvex_core)
endif()
