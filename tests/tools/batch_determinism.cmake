# Runs the same down-milling job twice and fails unless the two CSV files are byte-identical.
file(MAKE_DIRECTORY ${OUT})
foreach(run 1 2)
  execute_process(
    COMMAND ${BATCH} --workpiece C4130 --tool K40 --direction down --depth 12,5 --teeth 10
            --csv ${OUT}/run${run}.csv
    RESULT_VARIABLE status ERROR_VARIABLE summary)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "run ${run} failed with ${status}: ${summary}")
  endif()
endforeach()
file(SIZE ${OUT}/run1.csv size)
if(size LESS 100000)
  message(FATAL_ERROR "the CSV holds only ${size} bytes")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/run1.csv ${OUT}/run2.csv
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "two runs of the same job wrote different CSV files")
endif()
