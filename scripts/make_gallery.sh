#!/bin/sh
# Renders one picture per kind of arrow through the module itself, and an
# index page that shows them with the settings that made them. Each row of
# the page is drawn at one scale, so that sizes compare along it.
#   scripts/make_gallery.sh TOOL OUTPUT_FOLDER [PRESET_FOLDER]
set -eu
tool="$1"
out="$2"
presets="${3:-}"
mkdir -p "$out"
page="$out/index.html"

# draw SETTINGS [OPTION...]: the picture of a new arrow with SETTINGS (NAME=VALUE words).
draw() {
	settings="$1"
	shift
	for setting in $settings; do
		set -- "$@" --set "$setting"
	done
	"$tool" outline --format svg --axis --order "$@"
}

html() {
	printf '%s' "$1" | sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g'
}

# row TITLE ITEMS: one row of pictures at the largest scale that fits each of
# them. Each item is a line "file|caption|code|settings|preset file|path|closed":
# the arrow follows a new spline through the path's points, closed when the
# last field says "closed".
row() {
	title="$1"
	items="$2"
	# Each picture names the scale that fits it; the row takes the coarsest,
	# rounded up to a number a person reads at a glance.
	scale=$(echo "$items" | while IFS='|' read -r name caption code settings preset path closed; do
		[ -n "$name" ] || continue
		draw "$settings" ${preset:+--preset "$preset"} ${path:+--path "$path"} ${closed:+--path-closed} |
			sed -n 's/.*>1 px = \([^ ]*\) units*<.*/\1/p'
	done | awk '
		{ if ($1 + 0 > most) most = $1 + 0 }
		END {
			power = 1; while (power * 10 < most) power *= 10; while (power > most) power /= 10
			split("1 1.25 1.5 2 2.5 3 4 5 6 8 10", steps, " ")
			for (i = 1; i <= 11; i++) if (steps[i] * power >= most) { print steps[i] * power; exit }
		}')
	units=units
	[ "$scale" != 1 ] || units=unit
	printf '<section><h2>%s</h2><p>1 px = %s %s</p><div class="row">\n' "$(html "$title")" "$scale" "$units" >> "$page"
	echo "$items" | while IFS='|' read -r name caption code settings preset path closed; do
		[ -n "$name" ] || continue
		draw "$settings" ${preset:+--preset "$preset"} ${path:+--path "$path"} ${closed:+--path-closed} --scale "$scale" > "$out/$name.svg"
		printf '<figure><img src="%s.svg" alt="%s"><figcaption>%s</figcaption><code>%s</code></figure>\n' \
			"$name" "$(html "$caption")" "$(html "$caption")" "$(html "$code")" >> "$page"
	done
	echo '</div></section>' >> "$page"
}

# variants ITEMS: items "file|caption|settings" for row, the settings shown as they are.
variants() {
	echo "$1" | while IFS='|' read -r name caption settings; do
		[ -n "$name" ] || continue
		printf '%s|%s|%s|%s|\n' "$name" "$caption" "${settings:-defaults}" "$settings"
	done
}

# along ITEMS: items "file|caption|settings|path|closed" for row, an arrow
# along a path, the settings shown with the path's points.
along() {
	echo "$1" | while IFS='|' read -r name caption settings path closed; do
		[ -n "$name" ] || continue
		printf '%s|%s|%s|%s||%s|%s\n' "$name" "$caption" "$settings${settings:+ }--path \"$(echo $path)\"${closed:+ --path-closed}" "$settings" \
			"$path" "$closed"
	done
}

# points FROM TO STEPS X Y: the points x,y of a curve for t = FROM, ... TO in
# STEPS equal steps, X and Y awk expressions in t (pi is there), to two
# decimals. A closed curve may end where it starts: the arrow drops the
# point that repeats the first.
points() {
	awk -v from="$1" -v to="$2" -v steps="$3" "function number(v) { v = sprintf(\"%.2f\", v) + 0; return v == 0 ? 0 : v }
		BEGIN { pi = atan2(0, -1)
		for (i = 0; i <= steps; i++) { t = from + (to - from) * i / steps; printf \"%s%s,%s\", i ? \" \" : \"\", number($4), number($5) } }"
}

s_curve=$(points 0 1 16 '800 * t' '100 * sin(2 * pi * t)')
circle=$(points 0 1 23 '200 * cos(2 * pi * t)' '200 * sin(2 * pi * t)')
arc=$(points 1 0 16 '300 * cos(pi * t)' '300 * sin(pi * t)')

cat > "$page" <<'HTML'
<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Pointsmith gallery</title>
<style>
body { font-family: sans-serif; margin: 2em; background: #f3f4f7; color: #1a202c; }
.row { display: grid; grid-template-columns: repeat(auto-fill, minmax(340px, 1fr)); gap: 1.2em; }
h2 { margin: 1.4em 0 0.2em; }
h2 + p { margin: 0 0 0.8em; color: #4a5568; }
figure { margin: 0; background: white; padding: 0.8em; border-radius: 6px; box-shadow: 0 1px 3px #0002; }
img { width: 100%; }
figcaption { font-weight: bold; margin-top: 0.4em; }
code { display: block; font-size: 0.8em; color: #4a5568; margin-top: 0.3em; white-space: pre-wrap; }
</style></head><body>
<h1>Pointsmith gallery</h1>
<p>Each outline was built by the Pointsmith module in the headless host. Points are numbered in their order; dashed lines are the axes. Every picture of a row has the same scale.</p>
HTML

row 'Shaft and head' "$(variants '
shaft-solid|Shaft, solid head (the defaults)|
shaft-solid-notch|Shaft, solid head, tail notch|ARROW_TAIL_NOTCH=60
shaft-solid-bevel|Shaft, solid head, bevel|ARROW_BEVEL=true
shaft-solid-bevel-notch|Shaft, solid head, bevel, notch|ARROW_BEVEL=true ARROW_TAIL_NOTCH=60
shaft-open|Shaft, open head|ARROW_OPEN_HEAD=true
shaft-open-notch|Shaft, open head, notch|ARROW_OPEN_HEAD=true ARROW_TAIL_NOTCH=60
shaft-open-square|Shaft, open head, square barb ends|ARROW_OPEN_HEAD=true ARROW_SQUARE_BARBS=true
tapered|Tapered shaft, swept barbs|ARROW_TAPER_FRONT=0.6 ARROW_TAPER_BACK=0.2 ARROW_BARB_SWEEP=30
')"

row 'Fins' "$(variants '
fins-solid|Shaft with fins, solid head|ARROW_FINS=true
fins-solid-notch|Shaft with fins, solid head, notch|ARROW_FINS=true ARROW_TAIL_NOTCH=40
fins-open|Shaft with fins, open head|ARROW_FINS=true ARROW_OPEN_HEAD=true
fins-open-notch|Shaft with fins, open head, notch|ARROW_FINS=true ARROW_OPEN_HEAD=true ARROW_TAIL_NOTCH=40
')"

row 'Head only' "$(variants '
head-solid|Head only, solid|ARROW_SHAFT=false
head-solid-sweep|Head only, solid, swept barbs (a dart)|ARROW_SHAFT=false ARROW_BARB_SWEEP=40
head-solid-bevel|Head only, solid, bevel|ARROW_SHAFT=false ARROW_BEVEL=true
head-solid-bevel-sweep|Head only, solid, bevel, swept barbs|ARROW_SHAFT=false ARROW_BEVEL=true ARROW_BARB_SWEEP=40
head-open|Head only, open|ARROW_SHAFT=false ARROW_OPEN_HEAD=true
')"

row 'Double-headed' "$(variants '
double-solid|Double-headed, solid heads|ARROW_DOUBLE=true
double-open|Double-headed, open heads|ARROW_DOUBLE=true ARROW_OPEN_HEAD=true
')"

row 'Planes and point order' "$(variants '
plane-zy|Plane ZY: pointing along +Z|PRIM_PLANE=1
plane-xz|Plane XZ: upper side towards +Z|PRIM_PLANE=2
reversed|Reversed point order|PRIM_REVERSE=true
')"

row 'Rounded corners, every kind (radius 10, 4 steps)' "$(variants '
rounded-shaft-solid|Rounded: shaft, solid head|ARROW_ROUND=true
rounded-shaft-solid-notch|Rounded: shaft, solid head, tail notch|ARROW_TAIL_NOTCH=60 ARROW_ROUND=true
rounded-shaft-solid-bevel|Rounded: shaft, solid head, bevel|ARROW_BEVEL=true ARROW_ROUND=true
rounded-shaft-solid-bevel-notch|Rounded: shaft, solid head, bevel, notch|ARROW_BEVEL=true ARROW_TAIL_NOTCH=60 ARROW_ROUND=true
rounded-shaft-open|Rounded: shaft, open head|ARROW_OPEN_HEAD=true ARROW_ROUND=true
rounded-shaft-open-notch|Rounded: shaft, open head, notch|ARROW_OPEN_HEAD=true ARROW_TAIL_NOTCH=60 ARROW_ROUND=true
rounded-shaft-open-square|Rounded: shaft, open head, square barb ends|ARROW_OPEN_HEAD=true ARROW_SQUARE_BARBS=true ARROW_ROUND=true
rounded-fins-solid|Rounded: shaft with fins, solid head|ARROW_FINS=true ARROW_ROUND=true
rounded-fins-solid-notch|Rounded: shaft with fins, solid head, notch|ARROW_FINS=true ARROW_TAIL_NOTCH=40 ARROW_ROUND=true
rounded-fins-open|Rounded: shaft with fins, open head|ARROW_FINS=true ARROW_OPEN_HEAD=true ARROW_ROUND=true
rounded-fins-open-notch|Rounded: shaft with fins, open head, notch|ARROW_FINS=true ARROW_OPEN_HEAD=true ARROW_TAIL_NOTCH=40 ARROW_ROUND=true
rounded-tapered|Rounded: tapered shaft, swept barbs|ARROW_TAPER_FRONT=0.6 ARROW_TAPER_BACK=0.2 ARROW_BARB_SWEEP=30 ARROW_ROUND=true
rounded-head-solid|Rounded: head only, solid|ARROW_SHAFT=false ARROW_ROUND=true
rounded-head-solid-sweep|Rounded: head only, solid, swept barbs (a dart)|ARROW_SHAFT=false ARROW_BARB_SWEEP=40 ARROW_ROUND=true
rounded-head-solid-bevel|Rounded: head only, solid, bevel|ARROW_SHAFT=false ARROW_BEVEL=true ARROW_ROUND=true
rounded-head-solid-bevel-sweep|Rounded: head only, solid, bevel, swept barbs|ARROW_SHAFT=false ARROW_BEVEL=true ARROW_BARB_SWEEP=40 ARROW_ROUND=true
rounded-head-open|Rounded: head only, open|ARROW_SHAFT=false ARROW_OPEN_HEAD=true ARROW_ROUND=true
rounded-double-solid|Rounded: double-headed, solid heads|ARROW_DOUBLE=true ARROW_ROUND=true
rounded-double-open|Rounded: double-headed, open heads|ARROW_DOUBLE=true ARROW_OPEN_HEAD=true ARROW_ROUND=true
')"

row 'Along a path (the path thin and grey): the shaft follows it, the head stays rigid' "$(along "
path-s-curve|An S curve||$s_curve|
path-circle|A circle, 90% of it|ARROW_PATH_END=0.9|$circle|closed
path-corner|An L with a sharp corner||0,0 400,0 400,300|
path-double-arc|A double arrow on an arc|ARROW_DOUBLE=true ARROW_DOUBLE_WIDTH=60|$arc|
path-fins-rounded|Fins and rounded corners on a curve|ARROW_FINS=true ARROW_ROUND=true ARROW_ROUND_RADIUS=15 ARROW_ROUND_STEPS=2|$s_curve|
")"

row 'Growing along a path by its End; shorter than the head, it is a smaller head' "$(along "
grow-10|End 10%|ARROW_PATH_END=0.1|$s_curve|
grow-30|End 30%|ARROW_PATH_END=0.3|$s_curve|
grow-50|End 50%|ARROW_PATH_END=0.5|$s_curve|
grow-70|End 70%|ARROW_PATH_END=0.7|$s_curve|
grow-90|End 90%|ARROW_PATH_END=0.9|$s_curve|
grow-100|End 100%|ARROW_PATH_END=1.0|$s_curve|
")"

if [ -n "$presets" ]; then
	# A preset card shows the name the file stores and the values in which
	# it differs from a new arrow, as `preset show` reads them.
	"$tool" preset save "$out/new-arrow.arr" > /dev/null
	"$tool" preset show "$out/new-arrow.arr" --format text > "$out/new-arrow.txt"
	rm -f "$out/new-arrow.arr"
	items=$(for file in "$presets"/*.arr; do
		values=$("$tool" preset show "$file" --format text)
		stored=$(echo "$values" | sed -n 's/^ARROW_PRESET_NAME=//p')
		made=$(echo "$values" | grep -v -x -F -f "$out/new-arrow.txt" | grep -v '^ARROW_PRESET_NAME=' | tr '\n' ' ' | sed 's/ $//')
		printf 'preset-%s|%s|%s: %s||%s\n' "$(basename "$file" .arr)" "$stored" "$(basename "$file")" "${made:-the values of a new arrow}" "$file"
	done)
	rm -f "$out/new-arrow.txt"
	row "Preset catalogue, each loaded from its file through the arrow's own load button" "$items"
fi

echo '</body></html>' >> "$page"
echo "gallery: $(ls "$out"/*.svg | wc -l) pictures in $out/index.html"
