#!/bin/sh
# check-package.sh ZIP TOOL...: unpacks a plug-in zip into a plugins folder of
# its own, as a user installs it, and checks that it holds the plug-in folder
# and nothing else, and that the host (TOOL..., a pointsmith-host command)
# loads the unpacked module with its icon and a preset of its catalogue.
set -eu
export LC_ALL=C
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
plugins=$(mktemp -d)
trap 'rm -rf "$plugins"' EXIT
(cd "$plugins" && cmake -E tar xf "$zip")

fail() {
	echo "$zip: $*" >&2
	exit 1
}
[ "$(ls "$plugins")" = pointsmith ] || fail "holds $(ls "$plugins" | tr '\n' ' ')instead of one folder pointsmith"
folder=$plugins/pointsmith
module=$(ls "$folder" | grep -E '^pointsmith\.(xso64|xdl64|xlib)$') || fail "holds no module"
[ "$(ls "$folder" | tr '\n' ' ')" = "INSTALL.txt $module presets res " ] || fail "pointsmith/ holds $(ls "$folder" | tr '\n' ' ')"
[ -f "$folder/res/pointsmith.tif" ] || fail "has no icon"

info=$("$@" --module "$folder/$module" info)
echo "$info" | grep -q '"icon":\[64,64\]' || fail "the module did not load with its icon: $info"
preset=$(ls "$folder/presets" | grep '\.arr$' | head -n 1)
[ -n "$preset" ] || fail "has no presets"
"$@" --module "$folder/$module" preset show "$folder/presets/$preset" | grep -q '"loaded":true' || fail "presets/$preset does not load"
echo "$zip: pointsmith/ with $module, res/, $(ls "$folder/presets" | grep -c '\.arr$') presets and INSTALL.txt; the module loads"
