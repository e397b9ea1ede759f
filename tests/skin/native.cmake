# Skin engine: the Windows-free skin code under the sanitizers, its fuzz driver, and the
# generator of the installed skins' art.
include(${QUILLET_ROOT}/skin/sources.cmake)

add_library(quillet_skin_pure STATIC ${SKIN_PURE_SOURCES})
target_include_directories(quillet_skin_pure PUBLIC ${QUILLET_ROOT})

quillet_native_test(skin_tests
  ${CMAKE_CURRENT_LIST_DIR}/skin_values_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_keys_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_geometry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bitmap_file_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/slices_and_regions_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_fuzz_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_fuzz_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/installed_skins_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_reference_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_scaling_test.cpp)
target_link_libraries(skin_tests PRIVATE quillet_skin_pure)
target_compile_definitions(skin_tests PRIVATE QUILLET_INSTALLED_SKINS="${SKIN_INSTALLED_DIR}"
                                              QUILLET_HELP_DIR="${QUILLET_ROOT}/help")

# The art generator: `skingen <folder>` writes every installed skin into <folder>/<Name>/.
# The generated skins are committed under skin/installed/.
add_executable(skingen
  ${QUILLET_ROOT}/skin/art/skingen.cpp
  ${QUILLET_ROOT}/skin/art/canvas.cpp
  ${QUILLET_ROOT}/skin/art/bmp_file.cpp
  ${QUILLET_ROOT}/skin/art/glyphs.cpp
  ${QUILLET_ROOT}/skin/art/skin_art.cpp)
target_include_directories(skingen PRIVATE ${QUILLET_ROOT})

# libFuzzer target, only where the compiler offers -fsanitize=fuzzer (clang); never required.
if(QUILLET_HAVE_LIBFUZZER)
  add_executable(fuzz_skin
    ${CMAKE_CURRENT_LIST_DIR}/skin_fuzz_target.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_fuzz_driver.cpp)
  target_include_directories(fuzz_skin PRIVATE ${QUILLET_ROOT})
  target_compile_options(fuzz_skin PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_skin PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_skin PRIVATE quillet_skin_pure)
  add_dependencies(fuzzers fuzz_skin)
endif()

# skinpreview: a picture of the main window in a generated skin, for looking at the art.
add_executable(skinpreview
  ${QUILLET_ROOT}/skin/art/skinpreview.cpp
  ${QUILLET_ROOT}/skin/art/canvas.cpp
  ${QUILLET_ROOT}/skin/art/bmp_file.cpp)
target_include_directories(skinpreview PRIVATE ${QUILLET_ROOT})
target_link_libraries(skinpreview PRIVATE quillet_skin_pure)

# The committed art is exactly what skingen draws.
add_test(NAME skin_art_is_current
  COMMAND ${CMAKE_COMMAND} -DSKINGEN=$<TARGET_FILE:skingen> -DOUT=${CMAKE_CURRENT_BINARY_DIR}/skingen-out
          -DINSTALLED=${SKIN_INSTALLED_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/art_is_current.cmake)
