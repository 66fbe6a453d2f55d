# The oscillograph's per-tick refill of three series and its drawing pass.
add_executable(chart_bench ${CMAKE_CURRENT_LIST_DIR}/chart_bench.cpp)
target_link_libraries(chart_bench PRIVATE glodanje_oscillograph benchmark::benchmark)
