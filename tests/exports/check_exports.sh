#!/bin/sh
# A module exports exactly c4d_main and g_maxon, and imports nothing of the
# host by name: it needs only the C and C++ runtime libraries (and a
# sanitizer's runtime in a sanitizer build), and each symbol it imports is
# defined by one of them, in a version the oldest Linux the host's builds run
# on has: glibc 2.17, libstdc++ GLIBCXX_3.4 and CXXABI_1.3, libgcc_s of GCC 4.8.
set -eu
module="$1"

exports=$(nm -D --defined-only "$module" | awk '{print $3}' | sort | tr '\n' ' ')
if [ "$exports" != "c4d_main g_maxon " ]; then
	echo "exports: $exports (expected c4d_main g_maxon)"
	exit 1
fi

needed=$(readelf -d "$module" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
for library in $needed; do
	case "$library" in
		libc.so.*|libm.so.*|libstdc++.so.*|libgcc_s.so.*|ld-linux*|libasan.so.*|libubsan.so.*) ;;
		*) echo "needs $library, which is no runtime library"; exit 1 ;;
	esac
done

scratch=$(mktemp)
trap 'rm -f "$scratch"' EXIT
ldd "$module" | awk '/=>/ {print $3}' | while read -r path; do
	[ -f "$path" ] && nm -D --defined-only "$path" | awk '{print $3}' | sed 's/@.*//'
done | sort -u > "$scratch"

foreign=$(nm -D --undefined-only "$module" | awk '{print $NF}' | sed 's/@.*//' \
	| grep -v -E '^(_ITM_deregisterTMCloneTable|_ITM_registerTMCloneTable|__gmon_start__)$' | sort -u | comm -23 - "$scratch")
if [ -n "$foreign" ]; then
	echo "imports that no runtime library defines:"
	echo "$foreign"
	exit 1
fi
# objdump -T: an import's version, in parentheses or not, is the field before its name.
newer=$(objdump -T "$module" | awk '
	function after(version, oldest,   have, most, i) {
		split(version, have, "."); split(oldest, most, ".")
		for (i = 1; i <= 3; i++)
			if (have[i] + 0 != most[i] + 0)
				return have[i] + 0 > most[i] + 0
		return 0
	}
	/\*UND\*/ {
		version = $(NF - 1); gsub(/[()]/, "", version)
		if (version ~ /^GLIBC_[0-9.]+$/) newer = after(substr(version, 7), "2.17")
		else if (version ~ /^GCC_[0-9.]+$/) newer = after(substr(version, 5), "4.8.0")
		else if (version ~ /^(GLIBCXX|CXXABI)_/) newer = version != "GLIBCXX_3.4" && version != "CXXABI_1.3"
		else newer = 0
		if (newer) print $NF " (" version ")"
	}')
if [ -n "$newer" ]; then
	echo "imports newer than glibc 2.17, GLIBCXX_3.4, CXXABI_1.3 and GCC_4.8.0:"
	echo "$newer"
	exit 1
fi
echo "exports: $exports; needs: $(echo $needed)"
