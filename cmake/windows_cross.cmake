# What a cross build for Windows takes from the build machine rather than from the Windows
# libraries: the header-only libraries, and GoogleTest built from Debian's source copy.

# The build machine's /usr/include must not be on the Windows include path (its C library
# headers would hide MinGW's): a folder holding only the two libraries' headers stands in.
set(TC_HOST_HEADERS "${PROJECT_BINARY_DIR}/host-headers")
foreach(header_dir IN ITEMS nlohmann CLI)
    if(NOT IS_DIRECTORY "/usr/include/${header_dir}")
        message(FATAL_ERROR "/usr/include/${header_dir} is missing: run scripts/install-deps")
    endif()
    file(MAKE_DIRECTORY "${TC_HOST_HEADERS}")
    file(CREATE_LINK "/usr/include/${header_dir}" "${TC_HOST_HEADERS}/${header_dir}" SYMBOLIC)
endforeach()
foreach(target IN ITEMS nlohmann_json::nlohmann_json CLI11::CLI11)
    add_library(${target} INTERFACE IMPORTED)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${TC_HOST_HEADERS}")
endforeach()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
# Tests are listed when CTest runs (under Wine), not while building.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
