# Installs the build tree BUILD under OUT with DESTDIR, checks the files and starts the
# installed glodanje-batch.
include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${OUT}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(file IN LISTS GLODANJE_EXPECTED_FILES)
  if(NOT EXISTS ${OUT}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The licence is installed whole: the GPL, version 3.
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CMAKE_CURRENT_LIST_DIR}/../LICENSE
                        ${OUT}/usr/share/doc/glodanje/copyright
                RESULT_VARIABLE differ)
file(READ ${CMAKE_CURRENT_LIST_DIR}/../LICENSE licence LIMIT 200)
if(NOT differ EQUAL 0 OR NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE\n +Version 3, ")
  message(FATAL_ERROR "the installed licence is not the GPL 3 of LICENSE")
endif()
# The MIME type compiles, and *.glodanje files get it.
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${OUT}/usr/share/mime RESULT_VARIABLE status)
file(READ ${OUT}/usr/share/mime/globs2 globs)
if(NOT status EQUAL 0 OR NOT globs MATCHES "application/x-glodanje-scenario:\\*\\.glodanje")
  message(FATAL_ERROR "the MIME type does not compile: ${status}\n${globs}")
endif()
execute_process(COMMAND ${OUT}/usr/bin/glodanje-batch --help
                RESULT_VARIABLE status OUTPUT_VARIABLE help)
if(NOT status EQUAL 0 OR NOT help MATCHES "^Usage: glodanje-batch \\[options\\]")
  message(FATAL_ERROR "installed glodanje-batch --help: status ${status}, output:\n${help}")
endif()
# An installed example runs with the installed runner.
execute_process(COMMAND ${OUT}/usr/bin/glodanje-batch
                        --scenario ${OUT}/usr/share/glodanje/examples/pomak_28Cr4.glodanje
                        --ticks 2
                RESULT_VARIABLE status OUTPUT_VARIABLE csv ERROR_QUIET)
if(NOT status EQUAL 0 OR NOT csv MATCHES "\n2,")
  message(FATAL_ERROR "installed example: status ${status}, output:\n${csv}")
endif()
file(REMOVE_RECURSE ${OUT})
