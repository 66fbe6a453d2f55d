# One whole tick as the main window runs it: core tick, chart refill, cutter view redraw and one
# drawing pass of the chart.
add_executable(app_bench ${CMAKE_CURRENT_LIST_DIR}/app_bench.cpp)
target_link_libraries(app_bench PRIVATE glodanje_app benchmark::benchmark)
