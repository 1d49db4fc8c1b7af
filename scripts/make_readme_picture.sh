#!/bin/sh
# The README's picture: six arrows of the gallery side by side, each with its
# caption, rasterised into one PNG.
#   scripts/make_readme_picture.sh GALLERY_FOLDER OUTPUT.png
set -eu
gallery="$1"
png="$2"
# The sheet stands in the gallery while it is rasterised: rsvg-convert reads
# the pictures it refers to from its own folder only.
sheet=$(mktemp "$gallery/readme-picture.XXXXXX")
trap 'rm -f "$sheet"' EXIT

# Each line "picture|caption", three to a row; the gallery draws each
# picture 640 by 400 pixels.
pictures='shaft-solid-notch|Shaft, solid head, tail notch
shaft-open-square|Open head, square barb ends
tapered|Tapered shaft, swept barbs
fins-solid-notch|Fins and a tail notch
head-solid-sweep|Head only, swept barbs (a dart)
double-solid|Double-headed'

caption=36
gap=16
{
	printf '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="%d" height="%d">\n' \
		$((3 * 640 + 2 * gap)) $((2 * (caption + 400) + gap))
	printf '<rect width="100%%" height="100%%" fill="white"/>\n'
	index=0
	echo "$pictures" | while IFS='|' read -r name text; do
		[ -f "$gallery/$name.svg" ] || { echo "make_readme_picture.sh: $gallery/$name.svg is missing" >&2; exit 1; }
		x=$((index % 3 * (640 + gap)))
		y=$((index / 3 * (caption + 400 + gap)))
		printf '<text x="%d" y="%d" font-family="sans-serif" font-size="20" font-weight="bold" fill="#1a202c">%s</text>\n' $((x + 12)) $((y + 26)) "$text"
		printf '<image x="%d" y="%d" width="640" height="400" xlink:href="%s.svg"/>\n' "$x" $((y + caption)) "$name"
		index=$((index + 1))
	done
	echo '</svg>'
} > "$sheet"
rsvg-convert --format png --output "$png" "$sheet"
echo "picture: $png"
