# Checks that the README's picture is the program's output, pixel for pixel.
# In: CASA, PNG, PNGTOPNM, PPMTOPPM, PASTA.
execute_process(COMMAND "${CASA}" COMMAND "${PPMTOPPM}" OUTPUT_FILE "${PASTA}/programa.ppm"
                RESULTS_VARIABLE resultados)
execute_process(COMMAND "${PNGTOPNM}" "${PNG}" OUTPUT_FILE "${PASTA}/documentada.ppm"
                RESULT_VARIABLE resultado)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${PASTA}/programa.ppm"
                        "${PASTA}/documentada.ppm" RESULT_VARIABLE diferentes)
if(NOT resultados STREQUAL "0;0" OR NOT resultado EQUAL 0 OR diferentes)
  message(FATAL_ERROR "${PNG} is not the program's picture; make it anew as the README says")
endif()
