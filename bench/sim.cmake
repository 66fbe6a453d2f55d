# One tick of the simulation core in the middle of the cut.
add_executable(sim_bench ${CMAKE_CURRENT_LIST_DIR}/sim_bench.cpp)
target_link_libraries(sim_bench PRIVATE glodanje_sim benchmark::benchmark)
