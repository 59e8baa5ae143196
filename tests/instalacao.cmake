# Installs the build into a folder of its own and checks that the installed casa writes
# the same picture as the built one.
# In: PASTA_BUILD, CONFIG, PREFIXO, BINDIR, CASA.
file(REMOVE_RECURSE "${PREFIXO}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${PASTA_BUILD}" --config "${CONFIG}"
                        --prefix "${PREFIXO}" RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${resultado}")
endif()

get_filename_component(nome "${CASA}" NAME)
set(instalado "${PREFIXO}/${BINDIR}/${nome}")
if(NOT EXISTS "${instalado}")
  message(FATAL_ERROR "not installed: ${instalado}")
endif()

execute_process(COMMAND "${instalado}" OUTPUT_FILE "${PREFIXO}/instalado.ppm"
                RESULT_VARIABLE resultado)
execute_process(COMMAND "${CASA}" OUTPUT_FILE "${PREFIXO}/construido.ppm")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${PREFIXO}/instalado.ppm"
                        "${PREFIXO}/construido.ppm" RESULT_VARIABLE diferentes)
if(NOT resultado EQUAL 0 OR diferentes)
  message(FATAL_ERROR "the installed casa exited with ${resultado}, output differs: ${diferentes}")
endif()
