#!/bin/sh
# The gallery as `make gallery` renders it: each row drawn at the one scale
# its heading names and shown at its own size, every picture with its
# numbered corners (a rounded outline's before rounding) and axes, and each
# preset card with the preset's stored name and the values that make it,
# every text escaped, whatever characters a preset's name or file holds.
#   check_gallery.sh GALLERY_SCRIPT TOOL PRESET_FOLDER SCRATCH_FOLDER
set -eu
out="$4/gallery"
presets="$4/presets"
rm -rf "$4"
mkdir -p "$presets"
cp "$3"/*.arr "$presets"
"$2" preset save "$presets/odd <b> & |.arr" --set 'ARROW_PRESET_NAME=Left | right <i>&amp;' --set ARROW_FINS=true > /dev/null
sh "$1" "$2" "$out" "$presets" > /dev/null
page="$out/index.html"
fail() { echo "$*"; exit 1; }

rows=$(grep -c '<section>' "$page")
[ "$rows" -ge 6 ] || fail "$rows rows"
# Each picture with the scale of the row it stands in, shown at its own size.
awk '/<section>/ { split($0, a, "<p>1 px = "); split(a[2], b, " "); scale = b[1] }
	/<img src=/ { split($0, a, "src=\""); split(a[2], b, "\""); print scale, b[1] }' "$page" > "$4/scales.txt"
[ "$(wc -l < "$4/scales.txt")" -eq "$(ls "$out"/*.svg | wc -l)" ] || fail "pictures outside the rows"
[ "$(grep -c '<img src="[^"]*" width="640" height="400"' "$page")" -eq "$(wc -l < "$4/scales.txt")" ] || fail "pictures not shown at their own size"
grep -q 'max-width: *100%\|img { width: *100%' "$page" && fail "the page shrinks pictures"
while read -r scale picture; do
	svg="$out/$picture"
	grep -q ">1 px = $scale units*</text>" "$svg" || fail "$picture is not drawn at $scale units a pixel"
	grep -q 'class="number"' "$svg" || fail "$picture has no point numbers"
	grep -q 'class="axis-label"' "$svg" || fail "$picture has no axes"
done < "$4/scales.txt"
# A rounded outline numbers the corners of its unrounded twin, no arc points.
for twin in shaft-solid-bevel head-solid-bevel-sweep fins-open-notch double-open; do
	[ "$(grep -c 'class="number"' "$out/rounded-$twin.svg")" -eq "$(grep -c 'class="number"' "$out/$twin.svg")" ] || fail "rounded-$twin numbers more than its corners"
done

grep -q '<figcaption>Fletched arrow</figcaption><code>fletched-arrow.arr: [^<]*ARROW_FINS=true' "$page" || fail "no values on the fletched arrow's card"
grep -q '<figcaption>Block arrow</figcaption><code>block-arrow.arr: the values of a new arrow</code>' "$page" || fail "no block arrow card"
grep -q '<figcaption>Left | right &lt;i&gt;&amp;amp;</figcaption><code>odd &lt;b&gt; &amp; |.arr: ARROW_FINS=true</code>' "$page" ||
	fail "the card of a preset with a bar and markup in its names is missing or unescaped"
grep -q '<i>' "$page" && fail "a preset's name reached the page as markup"
echo "gallery: $rows rows checked"
