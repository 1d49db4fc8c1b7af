# A Linux module needs nothing newer than the oldest Linux the host's builds
# run on: glibc 2.17 and the C++ runtime of GCC 4.8 (GLIBCXX_3.4, CXXABI_1.3).
# tests/exports/check_exports.sh checks the version of every import.
function(pointsmith_oldest_linux_runtime target)
	target_compile_options(${target} PRIVATE -include ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/oldest_linux_runtime.h
		# The sized operator delete is CXXABI_1.3.9 (GCC 5).
		-fno-sized-deallocation)
endfunction()
