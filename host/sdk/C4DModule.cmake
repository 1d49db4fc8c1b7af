# c4d_add_module(<target> MODULE_ID <id> FRAMEWORKS <name>... SOURCES <file>...
#                [INCLUDE_DIRECTORIES <dir>...] OUTPUT_DIRECTORY <dir>)
#
# Builds a host module from the plug-in's sources and the SDK layer: the
# platform's module suffix, only `c4d_main` and `g_maxon` exported (and on
# macOS `g_CpuYieldDelegate`), the module identity written into its module
# record. The macOS settings are configured only: no build here tries them.
set(C4D_SDK_DIR ${CMAKE_CURRENT_LIST_DIR})
set(C4D_ABI_DIR ${CMAKE_CURRENT_LIST_DIR}/../abi)

set(C4D_SDK_SOURCES
	${C4D_SDK_DIR}/c4d_basebitmap.cpp
	${C4D_SDK_DIR}/c4d_basecontainer.cpp
	${C4D_SDK_DIR}/c4d_basedocument.cpp
	${C4D_SDK_DIR}/c4d_basefile.cpp
	${C4D_SDK_DIR}/c4d_baselist.cpp
	${C4D_SDK_DIR}/c4d_baseobject.cpp
	${C4D_SDK_DIR}/c4d_file.cpp
	${C4D_SDK_DIR}/c4d_gedata.cpp
	${C4D_SDK_DIR}/c4d_general.cpp
	${C4D_SDK_DIR}/c4d_main.cpp
	${C4D_SDK_DIR}/c4d_module_record.cpp
	${C4D_SDK_DIR}/c4d_objectdata.cpp
	${C4D_SDK_DIR}/c4d_os_access.cpp
	${C4D_SDK_DIR}/c4d_resource.cpp
	${C4D_SDK_DIR}/c4d_string.cpp
	${C4D_SDK_DIR}/c4d_tools.cpp
)

if(WIN32)
	set(C4D_MODULE_SUFFIX ".xdl64")
elseif(APPLE)
	set(C4D_MODULE_SUFFIX ".xlib")
else()
	set(C4D_MODULE_SUFFIX ".xso64")
endif()

function(c4d_add_module target)
	cmake_parse_arguments(ARG "" "MODULE_ID;OUTPUT_DIRECTORY" "FRAMEWORKS;SOURCES;INCLUDE_DIRECTORIES" ${ARGN})

	set(C4D_MODULE_ID ${ARG_MODULE_ID})
	list(TRANSFORM ARG_FRAMEWORKS REPLACE "^(.+)$" "C4DOS_FRAMEWORK_ID(\\1)" OUTPUT_VARIABLE framework_ids)
	list(JOIN framework_ids ", " C4D_MODULE_FRAMEWORK_LIST)
	set(identity_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_identity)
	configure_file(${C4D_SDK_DIR}/c4d_module_identity.h.in ${identity_dir}/c4d_module_identity.h @ONLY)

	add_library(${target} MODULE ${ARG_SOURCES} ${C4D_SDK_SOURCES})
	set_target_properties(${target} PROPERTIES
		PREFIX ""
		SUFFIX ${C4D_MODULE_SUFFIX}
		CXX_STANDARD 17
		CXX_STANDARD_REQUIRED ON
		CXX_EXTENSIONS OFF
		CXX_VISIBILITY_PRESET hidden
		VISIBILITY_INLINES_HIDDEN ON
		LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIRECTORY})
	target_include_directories(${target} PRIVATE ${C4D_SDK_DIR} ${C4D_ABI_DIR} ${identity_dir} ${ARG_INCLUDE_DIRECTORIES})
	# As the host's SDK builds every module: no exceptions, no RTTI.
	target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
	if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
		# Template statics would otherwise be exported as unique symbols.
		target_compile_options(${target} PRIVATE -fno-gnu-unique)
	endif()
	if(WIN32)
		# Only the symbols marked dllexport leave the DLL, never the statically
		# linked runtime's.
		target_link_options(${target} PRIVATE -Wl,--exclude-all-symbols)
	elseif(APPLE)
		# A Mach-O bundle for x86-64 hosts; the host also looks for the yield delegate.
		set_target_properties(${target} PROPERTIES OSX_ARCHITECTURES x86_64)
		target_sources(${target} PRIVATE ${C4D_SDK_DIR}/c4d_cpu_yield.cpp)
		target_link_options(${target} PRIVATE -Wl,-exported_symbols_list,${C4D_SDK_DIR}/c4d_exports_macos.txt)
	else()
		target_link_options(${target} PRIVATE -Wl,--version-script=${C4D_SDK_DIR}/c4d_exports.map)
		# Every symbol resolved at link time, unless a sanitizer runtime is to
		# come from the executable that loads the module (clang's way).
		if(NOT C4D_MODULE_RUNTIME_FROM_HOST)
			target_link_options(${target} PRIVATE -Wl,-z,defs)
		endif()
	endif()
endfunction()
