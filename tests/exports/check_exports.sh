#!/bin/sh
# A module exports exactly c4d_main and g_maxon, and imports nothing of the
# host by name: it needs only the C and C++ runtime libraries (and a
# sanitizer's runtime in a sanitizer build), and each symbol it imports is
# defined by one of them.
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
echo "exports: $exports; needs: $(echo $needed)"
