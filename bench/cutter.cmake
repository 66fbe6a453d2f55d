# Redraw of the cutter view in the middle of the cut, and the canvas operations it is built from.
add_executable(cutter_bench ${CMAKE_CURRENT_LIST_DIR}/cutter_bench.cpp)
target_link_libraries(cutter_bench PRIVATE glodanje_cutter_view benchmark::benchmark)
