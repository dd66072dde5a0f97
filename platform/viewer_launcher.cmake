# The real results viewer launcher. Its process control is plain POSIX C++ in an
# object library of its own, so its tests link it without the toolkit.
add_library(corvane_viewer_control OBJECT
    ${CMAKE_CURRENT_LIST_DIR}/ViewerProcesses.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemViewerLauncher.cpp)
target_include_directories(corvane_viewer_control PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_definitions(corvane_viewer_control PRIVATE
    CORVANE_INSTALLED_VIEWER="${CMAKE_INSTALL_FULL_BINDIR}/corvane-viewer")
set_target_properties(corvane_viewer_control PROPERTIES POSITION_INDEPENDENT_CODE ON)

if(TARGET corvane_platform)
    target_sources(corvane_platform PRIVATE $<TARGET_OBJECTS:corvane_viewer_control>)
endif()
