# The viewer's process control, tested against real processes under the viewer's name.
add_executable(test_viewer_processes ${CMAKE_CURRENT_LIST_DIR}/test_viewer_processes.cpp)
target_link_libraries(test_viewer_processes PRIVATE corvane_viewer_control GTest::gtest GTest::gtest_main)
gtest_discover_tests(test_viewer_processes DISCOVERY_TIMEOUT 60)
