# Options and skin selection: the skin selector's window-free rules under the sanitizers.
quillet_native_test(options_pure_tests
  ${QUILLET_ROOT}/options/skin_choice.cpp
  ${QUILLET_ROOT}/tests/options/skin_choice_test.cpp)
