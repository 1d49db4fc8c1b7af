# The libraries of the Windows build, from Debian's packages: GoogleTest built
# from its sources (package googletest), and the header-only JSON and
# command-line libraries from Debian's copies. Only their own folders are put
# on the include path, never the machine's whole /usr/include.
set(POINTSMITH_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${POINTSMITH_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(header_root ${CMAKE_BINARY_DIR}/debian-headers)
foreach(folder nlohmann CLI)
	file(COPY /usr/include/${folder} DESTINATION ${header_root})
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${header_root})
