# quillet_vantrix(<target> <output name>): Vantrix.dll, the Explorer context-menu
# extension — a COM in-process server with its type library (compiled from vantrix.idl by
# widl) embedded as resource TYPELIB 1. Used by the main build and by the companion
# build of the other architecture (shellext/companion). With FAULT_HOOKS <source>, a test
# build: VANTRIX_FAULT_HOOKS defined, the source added and the extra export of
# VantrixFaults.def (the tests' way to make registration or allocations fail).
function(quillet_vantrix target output_name)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "FAULT_HOOKS" "")
  set(dir ${QUILLET_ROOT}/shellext)
  find_program(QUILLET_WIDL_PROGRAM NAMES ${QUILLET_WIDL} widl REQUIRED)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(widl_target --win64)
  else()
    set(widl_target --win32)
  endif()
  set(VANTRIX_TLB ${CMAKE_CURRENT_BINARY_DIR}/vantrix.tlb)
  set(VANTRIX_GLYPH ${QUILLET_ROOT}/app/res/menu_glyph.bmp)
  set(VANTRIX_GLYPH_150 ${QUILLET_ROOT}/app/res/menu_glyph_150.bmp)
  set(VANTRIX_GLYPH_200 ${QUILLET_ROOT}/app/res/menu_glyph_200.bmp)
  add_custom_command(OUTPUT ${VANTRIX_TLB}
    COMMAND ${QUILLET_WIDL_PROGRAM} ${widl_target} -I ${dir} -t -o ${VANTRIX_TLB} ${dir}/vantrix.idl
    DEPENDS ${dir}/vantrix.idl ${dir}/ole_base.idl
    COMMENT "widl: vantrix.tlb")
  configure_file(${dir}/vantrix.rc.in ${CMAKE_CURRENT_BINARY_DIR}/vantrix.rc @ONLY)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/vantrix.rc PROPERTIES
    OBJECT_DEPENDS "${VANTRIX_TLB};${VANTRIX_GLYPH};${VANTRIX_GLYPH_150};${VANTRIX_GLYPH_200}")
  if(arg_FAULT_HOOKS)
    set(exports ${dir}/VantrixFaults.def ${arg_FAULT_HOOKS})
  else()
    set(exports ${dir}/Vantrix.def)
  endif()
  add_library(${target} SHARED
    ${dir}/module.cpp
    ${dir}/registration.cpp
    ${dir}/vantrix_menu.cpp
    ${QUILLET_ROOT}/platform/hand_off.cpp
    ${exports}
    ${CMAKE_CURRENT_BINARY_DIR}/vantrix.rc)
  if(arg_FAULT_HOOKS)
    target_compile_definitions(${target} PRIVATE VANTRIX_FAULT_HOOKS)
  endif()
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${output_name})
  target_include_directories(${target} PRIVATE ${QUILLET_ROOT})
  target_link_libraries(${target} PRIVATE ole32 oleaut32 uuid shlwapi shell32 advapi32 user32 gdi32)
endfunction()
