#!/bin/sh
# check-package.sh ZIP TOOL...: unpacks a headless plug-in zip into a folder
# of its own, as a user does, and checks that it holds the folder
# pointsmith-headless and nothing else, that its install note says where the
# module runs, and that the headless host (TOOL..., a pointsmith-host command)
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
[ "$(ls "$plugins")" = pointsmith-headless ] || fail "holds $(ls "$plugins" | tr '\n' ' ')instead of one folder pointsmith-headless"
folder=$plugins/pointsmith-headless
module=$(ls "$folder" | grep -E '^pointsmith\.(xso64|xdl64|xlib)$') || fail "holds no module"
[ "$(ls "$folder" | tr '\n' ' ')" = "INSTALL.txt $module presets res " ] || fail "pointsmith-headless/ holds $(ls "$folder" | tr '\n' ' ')"
grep -q 'It runs only in pointsmith-host' "$folder/INSTALL.txt" || fail "the install note does not say the module runs only in pointsmith-host"
[ -f "$folder/res/pointsmith.tif" ] || fail "has no icon"

info=$("$@" --module "$folder/$module" info)
echo "$info" | grep -q '"icon":\[64,64\]' || fail "the module did not load with its icon: $info"
preset=$(ls "$folder/presets" | grep '\.arr$' | head -n 1)
[ -n "$preset" ] || fail "has no presets"
"$@" --module "$folder/$module" preset show "$folder/presets/$preset" | grep -q '"loaded":true' || fail "presets/$preset does not load"
echo "$zip: pointsmith-headless/ with $module, res/, $(ls "$folder/presets" | grep -c '\.arr$') presets and INSTALL.txt; the module loads"
