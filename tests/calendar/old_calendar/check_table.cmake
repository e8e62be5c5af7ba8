# Runs the old calendar's tool and fails when what it writes differs from the
# table kept in calendar/.
#   cmake -DTOOL=<make_old_calendar_table> -DTABLE=<kept table> -DOUTPUT=<new table> -P check_table.cmake
execute_process(COMMAND ${TOOL} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${TABLE} RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "${TABLE} is not what the tool writes now (${OUTPUT}). After a deliberate "
                      "change of the tool, copy that file over it and say why in the commit.")
endif()
