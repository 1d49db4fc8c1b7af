# plugin_zip: the headless build's plug-in folder, zipped as
# pointsmith-headless-<system>.zip in the build folder. Its module speaks the
# headless host's table only: the host application loads the module built
# with its own SDK (make sdk-module), which its install note says.
if(WIN32)
	set(system Windows)
	set(plugins "the plugins folder in the host's installation folder, for example C:\\Program Files\\<host>\\plugins\\")
	set(line_ends WIN32)
elseif(APPLE)
	set(system macOS)
	set(plugins "the plugins folder beside the host application, for example /Applications/<host>/plugins/")
	set(line_ends UNIX)
else()
	set(system Linux)
	set(plugins "the plugins folder in the host's installation folder, for example /opt/<host>/plugins/")
	set(line_ends UNIX)
endif()
string(TOLOWER ${system} lowercase)
pointsmith_plugin_zip(MODULE pointsmith PLUGIN_DIR ${POINTSMITH_PLUGIN_DIR} ZIP ${CMAKE_BINARY_DIR}/pointsmith-headless-${lowercase}.zip
	SYSTEM ${system} PLUGINS "${plugins}" LINE_ENDS ${line_ends} KIND ", headless host"
	USE "This module runs in the headless host, pointsmith-host (--module PATH), and\nnot in the host application, which loads only a module built with the host's\nown SDK (make sdk-module, see the README). The steps below are for that one.")
