#!/bin/sh
# check-sdk-package.sh ZIP CHECK: unpacks the zip of the module for the host
# into a plugins folder of its own, as a user installs it, and checks that it
# holds the plug-in folder with the module, res/, presets/ and the install
# note, and that the unpacked module loads and answers the version query
# (CHECK: the build's sdk_module_check).
set -eu
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
plugins=$(mktemp -d)
trap 'rm -rf "$plugins"' EXIT
(cd "$plugins" && cmake -E tar xf "$zip")
folder=$plugins/pointsmith
[ "$(ls "$plugins")" = pointsmith ] || { echo "$zip: holds $(ls "$plugins" | tr '\n' ' ')instead of one folder pointsmith" >&2; exit 1; }
[ "$(ls "$folder" | tr '\n' ' ')" = "INSTALL.txt pointsmith.xso64 presets res " ] || { echo "$zip: pointsmith/ holds $(ls "$folder" | tr '\n' ' ')" >&2; exit 1; }
[ -f "$folder/res/pointsmith.tif" ] || { echo "$zip: has no icon" >&2; exit 1; }
grep -q "glibc 2.17 or later" "$folder/INSTALL.txt" || { echo "$zip: the install note does not state the oldest glibc" >&2; exit 1; }
"$2" "$folder/pointsmith.xso64" > /dev/null
echo "$zip: pointsmith/ with pointsmith.xso64, res/, $(ls "$folder/presets" | grep -c '\.arr$') presets and INSTALL.txt; the module loads"
