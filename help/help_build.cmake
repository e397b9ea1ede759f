# Checks the help sources and, given CHMCMD, compiles them into Help.chm.
#   cmake -DHELP_SOURCE=<help folder> -P help_build.cmake              only the checks
#   cmake -DHELP_SOURCE=<help folder> -DHELP_WORK=<scratch folder> -DHELP_OUTPUT=<...>/Help.chm
#         -DCHMCMD=<chmcmd> -P help_build.cmake                         checks, then compiles
# The checks fail when the contents (.hhc), the index (.hhk), the project's [FILES] or a
# link of a page names a page that does not exist, or when a page is in no list at all.
cmake_minimum_required(VERSION 3.20)
if(NOT HELP_SOURCE)
  message(FATAL_ERROR "help_build.cmake: HELP_SOURCE is not set")
endif()

set(problems "")
file(GLOB pages RELATIVE ${HELP_SOURCE} ${HELP_SOURCE}/*.html)

# Every "Local" entry of the contents and the index names a page.
foreach(list Contents.hhc Index.hhk)
  if(NOT EXISTS ${HELP_SOURCE}/${list})
    string(APPEND problems "  ${list} is missing\n")
    continue()
  endif()
  file(READ ${HELP_SOURCE}/${list} text)
  string(REGEX MATCHALL "name=\"Local\" value=\"[^\"]*\"" entries "${text}")
  if(NOT entries)
    string(APPEND problems "  ${list} names no page\n")
  endif()
  foreach(entry ${entries})
    string(REGEX REPLACE "name=\"Local\" value=\"([^\"#]*).*\"" "\\1" page "${entry}")
    if(NOT EXISTS ${HELP_SOURCE}/${page})
      string(APPEND problems "  ${list} names ${page}, which does not exist\n")
    endif()
  endforeach()
endforeach()

# Every file of the project's [FILES] exists, and every page is listed there.
file(STRINGS ${HELP_SOURCE}/Help.hhp project)
set(in_files OFF)
set(listed "")
foreach(line ${project})
  if(line MATCHES "^\\[")
    set(in_files OFF)
    if(line STREQUAL "[FILES]")
      set(in_files ON)
    endif()
  elseif(in_files AND NOT line STREQUAL "")
    list(APPEND listed ${line})
    if(NOT EXISTS ${HELP_SOURCE}/${line})
      string(APPEND problems "  Help.hhp lists ${line}, which does not exist\n")
    endif()
  endif()
endforeach()
foreach(page ${pages})
  if(NOT page IN_LIST listed)
    string(APPEND problems "  ${page} is not listed in the [FILES] of Help.hhp\n")
  endif()
endforeach()

# Every local link and picture of a page points at a file of the folder.
foreach(page ${pages})
  file(READ ${HELP_SOURCE}/${page} text)
  string(REGEX MATCHALL "(href|src)=\"[^\"]*\"" links "${text}")
  foreach(link ${links})
    string(REGEX REPLACE "(href|src)=\"([^\"#]*).*\"" "\\2" target "${link}")
    if(target STREQUAL "" OR target MATCHES "^[a-z]+:")
      continue()
    endif()
    if(NOT EXISTS ${HELP_SOURCE}/${target})
      string(APPEND problems "  ${page} links to ${target}, which does not exist\n")
    endif()
  endforeach()
endforeach()

if(NOT problems STREQUAL "")
  message(FATAL_ERROR "The help sources in ${HELP_SOURCE} are not complete:\n${problems}")
endif()
list(LENGTH pages count)
message(STATUS "Help sources checked: ${count} pages")

if(NOT CHMCMD)
  return()
endif()

# chmcmd writes next to the project, so it runs on a copy in the build tree.
file(REMOVE_RECURSE ${HELP_WORK})
file(MAKE_DIRECTORY ${HELP_WORK})
file(GLOB sources ${HELP_SOURCE}/*.html ${HELP_SOURCE}/*.css ${HELP_SOURCE}/*.hhp ${HELP_SOURCE}/*.hhc
     ${HELP_SOURCE}/*.hhk)
file(COPY ${sources} DESTINATION ${HELP_WORK})
execute_process(COMMAND ${CHMCMD} Help.hhp WORKING_DIRECTORY ${HELP_WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
# chmcmd reports missing files as warnings and still succeeds; here they are errors.
if(NOT result EQUAL 0 OR output MATCHES "Warning|Error|rror:|exception" OR NOT EXISTS ${HELP_WORK}/Help.chm)
  message(FATAL_ERROR "chmcmd could not compile Help.chm (exit ${result}):\n${output}")
endif()
file(SIZE ${HELP_WORK}/Help.chm size)
if(size LESS 1024)
  message(FATAL_ERROR "chmcmd wrote a Help.chm of only ${size} bytes:\n${output}")
endif()
get_filename_component(out_dir ${HELP_OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${out_dir})
configure_file(${HELP_WORK}/Help.chm ${HELP_OUTPUT} COPYONLY)
file(TOUCH ${HELP_OUTPUT})  # newer than the sources, even when its content is unchanged
message(STATUS "Help.chm: ${size} bytes")
