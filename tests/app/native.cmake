# Application shell: its Windows-free logic under the sanitizers.
quillet_native_test(app_pure_tests
  ${QUILLET_ROOT}/app/menu_keys.cpp
  ${QUILLET_ROOT}/tests/app/menu_keys_test.cpp)
