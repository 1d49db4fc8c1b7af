# plugin_zip: the plug-in folder as it goes into the host's plugins folder
# (the module, res/, presets/ and an install note for this system), zipped as
# pointsmith-headless-<system>.zip in the build folder.
if(WIN32)
	set(POINTSMITH_PACKAGE_SYSTEM Windows)
	set(POINTSMITH_PACKAGE_PLUGINS "the plugins folder in the host's installation folder, for example C:\\Program Files\\<host>\\plugins\\")
	set(note_line_ends WIN32)
elseif(APPLE)
	set(POINTSMITH_PACKAGE_SYSTEM macOS)
	set(POINTSMITH_PACKAGE_PLUGINS "the plugins folder beside the host application, for example /Applications/<host>/plugins/")
	set(note_line_ends UNIX)
else()
	set(POINTSMITH_PACKAGE_SYSTEM Linux)
	set(POINTSMITH_PACKAGE_PLUGINS "the plugins folder in the host's installation folder, for example /opt/<host>/plugins/")
	set(note_line_ends UNIX)
endif()
set(POINTSMITH_MODULE_FILE pointsmith${C4D_MODULE_SUFFIX})
string(TOLOWER ${POINTSMITH_PACKAGE_SYSTEM} system)

set(package_root ${CMAKE_BINARY_DIR}/package)
set(package_folder ${package_root}/pointsmith)
set(package_zip ${CMAKE_BINARY_DIR}/pointsmith-headless-${system}.zip)
# This module speaks the headless host's table only: the host application
# loads the module built with its own SDK (make sdk-module).
set(POINTSMITH_PACKAGE_KIND ", headless host")
set(POINTSMITH_PACKAGE_USE "This module runs in the headless host, pointsmith-host (--module PATH), and\nnot in the host application, which loads only a module built with the host's\nown SDK (make sdk-module; see the README). The steps below are for that one.")
configure_file(${CMAKE_CURRENT_LIST_DIR}/INSTALL.txt.in ${package_root}/INSTALL.txt @ONLY NEWLINE_STYLE ${note_line_ends})

add_custom_target(plugin_zip
	COMMAND ${CMAKE_COMMAND} -E rm -rf ${package_folder} ${package_zip}
	COMMAND ${CMAKE_COMMAND} -E make_directory ${package_folder}
	COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:pointsmith> ${package_root}/INSTALL.txt ${package_folder}
	COMMAND ${CMAKE_COMMAND} -E copy_directory ${POINTSMITH_PLUGIN_DIR}/res ${package_folder}/res
	COMMAND ${CMAKE_COMMAND} -E copy_directory ${POINTSMITH_PLUGIN_DIR}/presets ${package_folder}/presets
	COMMAND ${CMAKE_COMMAND} -E tar cf ${package_zip} --format=zip pointsmith
	WORKING_DIRECTORY ${package_root}
	DEPENDS pointsmith plugin_layout
	COMMENT "Packing ${package_zip}"
	VERBATIM)
