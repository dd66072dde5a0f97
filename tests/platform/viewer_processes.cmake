# The viewer's process control, tested against real processes of a fake viewer.
add_executable(corvane_fake_viewer ${CMAKE_CURRENT_LIST_DIR}/fake_viewer.cpp)

add_executable(test_viewer_processes ${CMAKE_CURRENT_LIST_DIR}/test_viewer_processes.cpp)
target_link_libraries(test_viewer_processes PRIVATE corvane_viewer_control GTest::gtest GTest::gtest_main)
target_compile_definitions(test_viewer_processes PRIVATE
    CORVANE_FAKE_VIEWER="$<TARGET_FILE:corvane_fake_viewer>")
add_dependencies(test_viewer_processes corvane_fake_viewer)
gtest_discover_tests(test_viewer_processes DISCOVERY_TIMEOUT 60)
