# Options and skin selection: the window-free rules of the skin selector and of file
# associations under the sanitizers.
quillet_native_test(options_pure_tests
  ${QUILLET_ROOT}/options/skin_choice.cpp
  ${QUILLET_ROOT}/options/association_rules.cpp
  ${QUILLET_ROOT}/tests/options/skin_choice_test.cpp
  ${QUILLET_ROOT}/tests/options/association_rules_test.cpp)
