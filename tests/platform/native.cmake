# The bottom layer's Windows-free code: how text is stored in Config.ini, UTF-8, and the
# arguments of a command line.
quillet_native_test(platform_pure_tests
  ${QUILLET_ROOT}/platform/command_line.cpp
  ${QUILLET_ROOT}/platform/stored_text.cpp
  ${QUILLET_ROOT}/tests/platform/command_line_test.cpp
  ${QUILLET_ROOT}/tests/platform/stored_text_test.cpp
  ${QUILLET_ROOT}/tests/platform/dpi_scale_test.cpp)

if(QUILLET_HAVE_LIBFUZZER AND NOT QUILLET_BENCH AND NOT QUILLET_M32)
  add_executable(fuzz_stored_text
    ${QUILLET_ROOT}/platform/stored_text.cpp
    ${QUILLET_ROOT}/tests/platform/fuzz_stored_text.cpp)
  target_include_directories(fuzz_stored_text PRIVATE ${QUILLET_ROOT})
  target_compile_options(fuzz_stored_text PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_stored_text PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers fuzz_stored_text)
endif()
