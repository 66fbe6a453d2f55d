# The batch runner's standard error carries its own lines only, also where no runtime directory
# of the desktop is set (a cron job, a service, a container). Each job runs twice without
# XDG_RUNTIME_DIR: once as it runs without Qt's application object, once with an option that
# makes one (--lang en, --sweep-png); the two must write the same standard error.
file(MAKE_DIRECTORY ${OUT})
set(job "--workpiece 28Cr4 --tool P30 --ticks 1")
set(sweep "${job} --sweep feed=100:200:100 --jobs 1 --csv ${OUT}/sweep.csv")
set(runs
  "${job} --csv ${OUT}/plain.csv"
  "--lang en ${job} --csv ${OUT}/english.csv"
  "${sweep}"
  "${sweep} --sweep-png ${OUT}/sweep.png")
set(index 0)
foreach(run IN LISTS runs)
  separate_arguments(arguments UNIX_COMMAND "${run}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen
            ${BATCH} ${arguments}
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err${index})
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "glodanje-batch ${run} failed with ${status}: ${err${index}}")
  endif()
  math(EXPR index "${index} + 1")
endforeach()
foreach(pair "0;1" "2;3")
  list(GET pair 0 alone)
  list(GET pair 1 withQt)
  if(NOT err${alone} STREQUAL err${withQt})
    message(FATAL_ERROR "standard error without Qt's application:\n${err${alone}}\n"
                        "and with it:\n${err${withQt}}")
  endif()
endforeach()
if(NOT err0 MATCHES "^ticks run: 1\n" OR NOT err2 MATCHES "sweep runs: 2 of 2\n")
  message(FATAL_ERROR "unexpected summaries:\n${err0}\n${err2}")
endif()
