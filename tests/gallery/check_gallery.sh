#!/bin/sh
# The gallery as `make gallery` renders it: each row drawn at the one scale
# its heading names, every picture with its numbered points and axes, and
# each preset card with the preset's stored name and the values that make it.
#   check_gallery.sh GALLERY_SCRIPT TOOL PRESET_FOLDER SCRATCH_FOLDER
set -eu
out="$4"
rm -rf "$out"
sh "$1" "$2" "$out" "$3" > /dev/null
page="$out/index.html"
fail() { echo "$*"; exit 1; }

rows=$(grep -c '<section>' "$page")
[ "$rows" -ge 6 ] || fail "$rows rows"
# Each picture with the scale of the row it stands in.
awk '/<section>/ { split($0, a, "<p>1 px = "); split(a[2], b, " "); scale = b[1] }
	/<img src=/ { split($0, a, "src=\""); split(a[2], b, "\""); print scale, b[1] }' "$page" > "$out/scales.txt"
[ "$(wc -l < "$out/scales.txt")" -eq "$(ls "$out"/*.svg | wc -l)" ] || fail "pictures outside the rows"
while read -r scale picture; do
	svg="$out/$picture"
	grep -q ">1 px = $scale units*</text>" "$svg" || fail "$picture is not drawn at $scale units a pixel"
	grep -q 'class="number"' "$svg" || fail "$picture has no point numbers"
	grep -q 'class="axis-label"' "$svg" || fail "$picture has no axes"
done < "$out/scales.txt"

grep -q '<figcaption>Fletched arrow</figcaption><code>fletched-arrow.arr: [^<]*ARROW_FINS=true' "$page" || fail "no values on the fletched arrow's card"
grep -q '<figcaption>Block arrow</figcaption><code>block-arrow.arr: the values of a new arrow</code>' "$page" || fail "no block arrow card"
echo "gallery: $rows rows checked"
