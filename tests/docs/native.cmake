# The documents' Windows-free code: the record kept beside each backup, the sizes the
# messages show.
quillet_native_test(docs_pure_tests
  ${QUILLET_ROOT}/docs/backup_record.cpp
  ${QUILLET_ROOT}/docs/size_text.cpp
  ${QUILLET_ROOT}/platform/stored_text.cpp
  ${QUILLET_ROOT}/tests/docs/backup_record_test.cpp
  ${QUILLET_ROOT}/tests/docs/size_text_test.cpp)

if(QUILLET_HAVE_LIBFUZZER AND NOT QUILLET_BENCH AND NOT QUILLET_M32)
  add_executable(fuzz_backup_record
    ${QUILLET_ROOT}/docs/backup_record.cpp
    ${QUILLET_ROOT}/platform/stored_text.cpp
    ${QUILLET_ROOT}/tests/docs/fuzz_backup_record.cpp)
  target_include_directories(fuzz_backup_record PRIVATE ${QUILLET_ROOT})
  target_compile_options(fuzz_backup_record PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_backup_record PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers fuzz_backup_record)
endif()
