#!/bin/sh
# A Windows module exports exactly c4d_main and g_maxon, and imports nothing
# of the host by name: every DLL it needs is one of Windows' own (the C++
# runtime is linked in).
set -eu
objdump=$1
module=$2

scratch=$(mktemp)
trap 'rm -f "$scratch"' EXIT
"$objdump" -p "$module" > "$scratch"

grep -q '^Magic.*PE32+' "$scratch" || { echo "$module is no 64-bit PE image"; exit 1; }
exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p' "$scratch" | sort | tr '\n' ' ')
if [ "$exports" != "c4d_main g_maxon " ]; then
	echo "exports: $exports (expected c4d_main g_maxon)"
	exit 1
fi

needed=$(sed -n 's/^[[:space:]]*DLL Name: //p' "$scratch")
for library in $needed; do
	case "$(echo "$library" | tr '[:upper:]' '[:lower:]')" in
		kernel32.dll|msvcrt.dll|ucrtbase.dll|api-ms-win-*.dll) ;;
		*) echo "needs $library, which is no Windows system DLL"; exit 1 ;;
	esac
done
echo "exports: $exports; needs: $(echo $needed)"
