# Tests that use something every process on the machine shares take a ctest resource
# lock, so that ctest -j never runs two of them at once:
#   clipboard     the system clipboard
#   input         the mouse cursor or the keyboard (SetCursorPos, SendInput), or a tracked
#                 popup menu, which a cursor moved by another test would steer
#   settings-key  the real editor-settings key HKLM\Software\Brightmoor\Quillet\Editor Settings
#   install-keys  the install-folder keys (HKLM\Software\Quillet, HKLM\Software\Fellbrook Studios\Quillet)
#                 and what else a setup writes for the machine: the uninstall entry, the
#                 Start-menu shortcut
#   shell-extension  the Explorer extension's registration under HKEY_CLASSES_ROOT
# and, not a lock, "serial": the test runs with no other test beside it (RUN_SERIAL), for
# tests that move the real cursor or send real input, which reaches whatever window of
# any test happens to be under the cursor or in the foreground.
# gtest_discover_tests hands its PROPERTIES to every test it finds, and a list value
# (two locks) does not survive the trip; so the locked tests are discovered apart, by a
# gtest filter, and their locks set afterwards from the list of tests discovered.
include_guard(GLOBAL)

# quillet_win32_locked_test(name LOCKED <locks> <gtest filter> [<locks> <filter>]...
#                           SOURCES <sources>...)
# As quillet_win32_test, but the tests each filter names take the locks before it, a
# comma-separated list ("clipboard", "input,serial"). A filter is positive only
# ("ClipboardTest.*", "A.*:B.*", "*" for all); filters must not overlap. The other tests
# of the program run unlocked.
function(quillet_win32_locked_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LOCKED;SOURCES")
  list(LENGTH arg_LOCKED count)
  math(EXPR odd "${count} % 2")
  if(count EQUAL 0 OR odd)
    message(FATAL_ERROR "quillet_win32_locked_test(${name}): LOCKED takes pairs of locks and a filter")
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE gtest_main gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_options(${name} PRIVATE -mconsole)
  set(locked "")
  set(group 0)
  while(arg_LOCKED)
    list(POP_FRONT arg_LOCKED locks filter)
    if(filter MATCHES "-")
      message(FATAL_ERROR "quillet_win32_locked_test(${name}): the filter '${filter}' must be positive")
    endif()
    math(EXPR group "${group} + 1")
    set(list_variable "${name}_locked_${group}")
    gtest_discover_tests(${name} TEST_FILTER "${filter}" TEST_LIST ${list_variable} DISCOVERY_TIMEOUT 120
                         PROPERTIES TIMEOUT 300)
    # Runs in ctest after the discovered tests were added (the include files run in order).
    string(REPLACE "," ";" lock_list "${locks}")
    set(properties "")
    if("serial" IN_LIST lock_list)
      list(REMOVE_ITEM lock_list serial)
      string(APPEND properties " RUN_SERIAL TRUE")
    endif()
    if(lock_list)
      string(APPEND properties " RESOURCE_LOCK \"${lock_list}\"")
    endif()
    set(script "${CMAKE_CURRENT_BINARY_DIR}/${list_variable}_locks.cmake")
    file(WRITE "${script}"
      "if(${list_variable})\n"
      "  set_tests_properties(\${${list_variable}} PROPERTIES${properties})\n"
      "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${script}")
    list(APPEND locked "${filter}")
  endwhile()
  if(NOT "*" IN_LIST locked)
    list(JOIN locked ":" all_locked)
    gtest_discover_tests(${name} TEST_FILTER "*-${all_locked}" DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# quillet_high_dpi_tests(name [LOCKS <locks>]): the tests of program `name` whose names hold
# "HighDpi" run once more with the screen at 192 DPI (tests/cmake/at_dpi.sh), as one ctest
# test; at 96 DPI they skip themselves.
function(quillet_high_dpi_tests name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "LOCKS" "")
  add_test(NAME ${name}.at_192_dpi
           COMMAND sh ${PROJECT_SOURCE_DIR}/tests/cmake/at_dpi.sh 192 ${CMAKE_CROSSCOMPILING_EMULATOR}
                   $<TARGET_FILE:${name}> --gtest_filter=*HighDpi*)
  set_tests_properties(${name}.at_192_dpi PROPERTIES TIMEOUT 300)
  if(arg_LOCKS)
    set_tests_properties(${name}.at_192_dpi PROPERTIES RESOURCE_LOCK "${arg_LOCKS}")
  endif()
endfunction()
