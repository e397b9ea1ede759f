# Options and skin selection: the window-free rules of the skin selector and of file
# associations under the sanitizers.
quillet_native_test(options_pure_tests
  ${QUILLET_ROOT}/options/skin_choice.cpp
  ${QUILLET_ROOT}/options/association_rules.cpp
  ${QUILLET_ROOT}/tests/options/skin_choice_test.cpp
  ${QUILLET_ROOT}/tests/options/association_rules_test.cpp)

# The Help's Options pages against the Config.ini the setup installs.
quillet_native_test(help_defaults_tests ${QUILLET_ROOT}/tests/options/help_defaults_test.cpp)
target_compile_definitions(help_defaults_tests PRIVATE QUILLET_HELP_DIR="${QUILLET_ROOT}/help"
                                                       QUILLET_SHIPPED_CONFIG="${QUILLET_ROOT}/app/install/Config.ini"
                                                       QUILLET_SETUP_SCRIPT="${QUILLET_ROOT}/installer/quillet.nsi")
