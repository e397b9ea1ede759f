# Corvex text engine: unit tests and bounded fuzz drivers under ASan/UBSan, an optional
# libFuzzer target (clang only), and the engine benchmark.
include(${QUILLET_ROOT}/corvex/engine/sources.cmake)

if(NOT QUILLET_BENCH)
  quillet_native_test(corvex_engine_tests
    ${CORVEX_ENGINE_SOURCES}
    ${QUILLET_ROOT}/tests/corvex/text_buffer_test.cpp
    ${QUILLET_ROOT}/tests/corvex/text_document_test.cpp
    ${QUILLET_ROOT}/tests/corvex/file_codec_test.cpp
    ${QUILLET_ROOT}/tests/corvex/text_ops_test.cpp
    ${QUILLET_ROOT}/tests/corvex/engine_fuzz.cpp
    ${QUILLET_ROOT}/tests/corvex/engine_fuzz_test.cpp)

  # libFuzzer target, only where the compiler supports -fsanitize=fuzzer (clang).
  # Built and smoke-run by ctest; tests/native/run_fuzzers.sh runs it for longer.
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_FLAGS "-fsanitize=fuzzer")
  set(CMAKE_REQUIRED_LINK_OPTIONS "-fsanitize=fuzzer")
  check_cxx_source_compiles(
    "#include <cstddef>\n#include <cstdint>\nextern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }"
    CORVEX_HAVE_LIBFUZZER)
  unset(CMAKE_REQUIRED_FLAGS)
  unset(CMAKE_REQUIRED_LINK_OPTIONS)
  if(CORVEX_HAVE_LIBFUZZER)
    add_executable(fuzz_corvex_engine
      ${CORVEX_ENGINE_SOURCES}
      ${QUILLET_ROOT}/tests/corvex/engine_fuzz.cpp
      ${QUILLET_ROOT}/tests/corvex/libfuzzer_main.cpp)
    target_include_directories(fuzz_corvex_engine PRIVATE ${QUILLET_ROOT})
    target_compile_options(fuzz_corvex_engine PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_corvex_engine PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzzers fuzz_corvex_engine)
    add_test(NAME fuzz_corvex_engine_smoke
             COMMAND fuzz_corvex_engine -runs=20000 -seed=1 -max_len=2048)
  endif()
else()
  quillet_native_bench(bench_corvex_engine
    ${CORVEX_ENGINE_SOURCES}
    ${QUILLET_ROOT}/bench/corvex_engine_bench.cpp)
endif()
