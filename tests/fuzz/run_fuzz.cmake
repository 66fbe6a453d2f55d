# Runs one fuzz target for ctest.
#   -DTARGET=<fuzz target> -DSEEDS=<seed folder> -DWORK=<scratch folder in the build tree>
#   -DRUNS=<inputs to try; 0 only replays the seeds> [-DDICT=<dictionary>]
# With RUNS 0 every seed is run once. Otherwise the target fuzzes from the seeds with a fixed
# random seed; what it finds goes to WORK/corpus, and an input that fails is kept as
# WORK/crash-<hash> (or leak-, timeout-), named in the failure message.
foreach(var TARGET SEEDS WORK RUNS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_fuzz.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK}/corpus)
file(MAKE_DIRECTORY ${WORK}/corpus)
file(GLOB seeds LIST_DIRECTORIES false ${SEEDS}/*)
list(LENGTH seeds seedCount)
if(seedCount EQUAL 0)
  message(FATAL_ERROR "no seeds in ${SEEDS}")
endif()

set(options -artifact_prefix=${WORK}/ -timeout=30 -rss_limit_mb=2048)
if(DICT)
  list(APPEND options -dict=${DICT})
endif()
if(RUNS EQUAL 0)
  set(command ${TARGET} ${options} ${seeds})
  set(log ${WORK}/seeds.log)
else()
  set(command ${TARGET} ${options} -runs=${RUNS} -seed=1 -max_len=1024 -print_final_stats=1
      ${WORK}/corpus ${SEEDS})
  set(log ${WORK}/fuzz.log)
endif()

execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_FILE ${log} ERROR_FILE ${log}
                WORKING_DIRECTORY ${WORK})
if(NOT status EQUAL 0)
  # The log's last few thousand characters: the failure, its stack and the input's bytes.
  file(READ ${log} logText)
  string(LENGTH "${logText}" logLength)
  if(logLength GREATER 6000)
    math(EXPR tailStart "${logLength} - 6000")
    string(SUBSTRING "${logText}" ${tailStart} -1 logText)
  endif()
  file(GLOB kept ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
  message(FATAL_ERROR "${TARGET} failed (${status}); inputs kept: ${kept}\n"
                      "whole log: ${log}\n${logText}")
endif()
# The closing statistics (runs, speed, peak memory) for the test log.
file(STRINGS ${log} stats REGEX "^(stat::|Done |replayed |Executed )")
foreach(line IN LISTS stats)
  message(STATUS "${line}")
endforeach()
