# A build for another system (Windows, from cmake/mingw-w64-x86_64.cmake) takes
# the header-only libraries Debian installs for the build machine: CLI11 and
# LEMON's templates. /usr/include itself is never searched there, since its C
# library headers are not the target's: each library is seen through a link in
# a folder that holds nothing else.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
foreach(library CLI lemon)
    if(NOT EXISTS /usr/include/${library})
        message(FATAL_ERROR "/usr/include/${library} is missing: run scripts/install-deps")
    endif()
    if(NOT EXISTS ${host_headers}/${library})
        file(CREATE_LINK /usr/include/${library} ${host_headers}/${library} SYMBOLIC)
    endif()
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 INTERFACE ${host_headers})

# The matching needs only LEMON's templates: with LEMON_ONLY_TEMPLATES its
# headers define the one object (INVALID) the compiled library would, so no
# library is built for the target.
set(LEMON_INCLUDE_DIRS ${host_headers})
set(LEMON_LIBRARIES "")
set(LEMON_DEFINITIONS LEMON_ONLY_TEMPLATES)
