# Draws the program's pictures into OUT and fails when one differs from its committed
# copy in RES: the pictures in the repository are the ones the code draws.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${TOOLARTGEN} ${OUT} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "toolartgen failed")
endif()
foreach(f about.bmp startup_mark.bmp menu_glyph.bmp setup_side.bmp startup_mark_150.bmp startup_mark_200.bmp
          menu_glyph_150.bmp menu_glyph_200.bmp)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${f} ${RES}/${f} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${f} differs from what toolartgen draws; run toolartgen app/res")
  endif()
endforeach()
