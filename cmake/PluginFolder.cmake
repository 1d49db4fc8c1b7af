# The plug-in folder as the host finds it, and its zip; shared by the
# headless build and the build with the host's SDK.

# pointsmith_plugin_layout(MODULE <target> SOURCE_DIR <repository> PLUGIN_DIR <dir>)
# Copies res/ and presets/ beside the module whenever they change: target
# plugin_layout, built with the module.
function(pointsmith_plugin_layout)
	cmake_parse_arguments(ARG "" "MODULE;SOURCE_DIR;PLUGIN_DIR" "" ${ARGN})
	file(GLOB_RECURSE plugin_files CONFIGURE_DEPENDS ${ARG_SOURCE_DIR}/res/* ${ARG_SOURCE_DIR}/presets/*)
	add_custom_command(
		OUTPUT ${CMAKE_BINARY_DIR}/plugin_layout.stamp
		COMMAND ${CMAKE_COMMAND} -E rm -rf ${ARG_PLUGIN_DIR}/res ${ARG_PLUGIN_DIR}/presets
		COMMAND ${CMAKE_COMMAND} -E copy_directory ${ARG_SOURCE_DIR}/res ${ARG_PLUGIN_DIR}/res
		COMMAND ${CMAKE_COMMAND} -E copy_directory ${ARG_SOURCE_DIR}/presets ${ARG_PLUGIN_DIR}/presets
		COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/plugin_layout.stamp
		DEPENDS ${plugin_files}
		COMMENT "Laying out the plug-in folder")
	add_custom_target(plugin_layout ALL DEPENDS ${CMAKE_BINARY_DIR}/plugin_layout.stamp)
	add_dependencies(${ARG_MODULE} plugin_layout)
endfunction()

# pointsmith_plugin_zip(MODULE <target> PLUGIN_DIR <dir> ZIP <file> FOLDER <name>
#                       NOTE <install note template> SYSTEM <name> LINE_ENDS UNIX|WIN32
#                       [PLUGINS <where the host's plugins folder is>] [USE <what the module is for>])
# Target plugin_zip: the module, res/, presets/ and the install note (the
# template configured with the system, the folder's name and the module's
# file name, PLUGINS and USE) in a folder FOLDER, zipped.
function(pointsmith_plugin_zip)
	cmake_parse_arguments(ARG "" "MODULE;PLUGIN_DIR;ZIP;FOLDER;NOTE;SYSTEM;PLUGINS;LINE_ENDS;USE" "" ${ARGN})
	set(package_root ${CMAKE_BINARY_DIR}/package)
	set(POINTSMITH_PACKAGE_SYSTEM ${ARG_SYSTEM})
	set(POINTSMITH_PACKAGE_FOLDER ${ARG_FOLDER})
	set(POINTSMITH_PACKAGE_PLUGINS ${ARG_PLUGINS})
	set(POINTSMITH_PACKAGE_USE "${ARG_USE}")
	# The note's own lines get the system's line ends from configure_file;
	# those inside the text need them too.
	if(ARG_LINE_ENDS STREQUAL "WIN32")
		string(REPLACE "\n" "\r\n" POINTSMITH_PACKAGE_USE "${POINTSMITH_PACKAGE_USE}")
	endif()
	get_target_property(prefix ${ARG_MODULE} PREFIX)
	get_target_property(suffix ${ARG_MODULE} SUFFIX)
	set(POINTSMITH_MODULE_FILE ${prefix}${ARG_MODULE}${suffix})
	configure_file(${ARG_NOTE} ${package_root}/INSTALL.txt @ONLY NEWLINE_STYLE ${ARG_LINE_ENDS})
	set(folder ${package_root}/${ARG_FOLDER})
	add_custom_target(plugin_zip
		COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder} ${ARG_ZIP}
		COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
		COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${ARG_MODULE}> ${package_root}/INSTALL.txt ${folder}
		COMMAND ${CMAKE_COMMAND} -E copy_directory ${ARG_PLUGIN_DIR}/res ${folder}/res
		COMMAND ${CMAKE_COMMAND} -E copy_directory ${ARG_PLUGIN_DIR}/presets ${folder}/presets
		COMMAND ${CMAKE_COMMAND} -E tar cf ${ARG_ZIP} --format=zip ${ARG_FOLDER}
		WORKING_DIRECTORY ${package_root}
		DEPENDS ${ARG_MODULE} plugin_layout
		COMMENT "Packing ${ARG_ZIP}"
		VERBATIM)
endfunction()
