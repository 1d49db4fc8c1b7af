# plugin_zip: the headless build's plug-in folder, zipped as
# pointsmith-headless-<system>.zip in the build folder, which unpacks to a
# folder pointsmith-headless. Its module speaks the headless host's table
# only: the host application loads the module built with its own SDK (make
# sdk-module, whose zip unpacks to pointsmith), which its install note says.
if(WIN32)
	set(system Windows)
	set(line_ends WIN32)
elseif(APPLE)
	set(system macOS)
	set(line_ends UNIX)
else()
	set(system Linux)
	set(line_ends UNIX)
endif()
string(TOLOWER ${system} lowercase)
pointsmith_plugin_zip(MODULE pointsmith PLUGIN_DIR ${POINTSMITH_PLUGIN_DIR} ZIP ${CMAKE_BINARY_DIR}/pointsmith-headless-${lowercase}.zip
	FOLDER pointsmith-headless NOTE ${CMAKE_CURRENT_LIST_DIR}/INSTALL-headless.txt.in SYSTEM ${system} LINE_ENDS ${line_ends})
