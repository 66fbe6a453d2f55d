# Tests of the bar, horizontal bar, pie and fast line series and of the seven series
# functions, in a binary of their own.
add_executable(chart_extra_tests
  ${CMAKE_CURRENT_LIST_DIR}/test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/extra_series_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart_functions_test.cpp
)
target_link_libraries(chart_extra_tests PRIVATE glodanje_chart GTest::gtest)
gtest_discover_tests(chart_extra_tests
  PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
  DISCOVERY_TIMEOUT 60)
