#!/bin/sh
# Renders one picture per kind of arrow through the module itself, and an
# index page that shows them with the settings that made them.
#   scripts/make_gallery.sh TOOL OUTPUT_FOLDER [PRESET_FOLDER]
set -eu
tool="$1"
out="$2"
presets="${3:-}"
mkdir -p "$out"

# name | caption | settings
variants='
shaft-solid|Shaft, solid head (the defaults)|
shaft-solid-notch|Shaft, solid head, tail notch|ARROW_TAIL_NOTCH=60
shaft-solid-bevel|Shaft, solid head, bevel|ARROW_BEVEL=true
shaft-solid-bevel-notch|Shaft, solid head, bevel, notch|ARROW_BEVEL=true ARROW_TAIL_NOTCH=60
shaft-open|Shaft, open head|ARROW_OPEN_HEAD=true
shaft-open-notch|Shaft, open head, notch|ARROW_OPEN_HEAD=true ARROW_TAIL_NOTCH=60
shaft-open-square|Shaft, open head, square barb ends|ARROW_OPEN_HEAD=true ARROW_SQUARE_BARBS=true
fins-solid|Shaft with fins, solid head|ARROW_FINS=true
fins-solid-notch|Shaft with fins, solid head, notch|ARROW_FINS=true ARROW_TAIL_NOTCH=40
fins-open|Shaft with fins, open head|ARROW_FINS=true ARROW_OPEN_HEAD=true
fins-open-notch|Shaft with fins, open head, notch|ARROW_FINS=true ARROW_OPEN_HEAD=true ARROW_TAIL_NOTCH=40
tapered|Tapered shaft, swept barbs|ARROW_TAPER_FRONT=0.6 ARROW_TAPER_BACK=0.2 ARROW_BARB_SWEEP=30
head-solid|Head only, solid|ARROW_SHAFT=false
head-solid-sweep|Head only, solid, swept barbs (a dart)|ARROW_SHAFT=false ARROW_BARB_SWEEP=40
head-solid-bevel|Head only, solid, bevel|ARROW_SHAFT=false ARROW_BEVEL=true
head-solid-bevel-sweep|Head only, solid, bevel, swept barbs|ARROW_SHAFT=false ARROW_BEVEL=true ARROW_BARB_SWEEP=40
head-open|Head only, open|ARROW_SHAFT=false ARROW_OPEN_HEAD=true
double-solid|Double-headed, solid heads|ARROW_DOUBLE=true
double-open|Double-headed, open heads|ARROW_DOUBLE=true ARROW_OPEN_HEAD=true
plane-zy|Plane ZY: pointing along +Z|PRIM_PLANE=1
plane-xz|Plane XZ: upper side towards +Z|PRIM_PLANE=2
reversed|Reversed point order|PRIM_REVERSE=true
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
'

page="$out/index.html"
cat > "$page" <<'HTML'
<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Pointsmith gallery</title>
<style>
body { font-family: sans-serif; margin: 2em; background: #f3f4f7; color: #1a202c; }
main { display: grid; grid-template-columns: repeat(auto-fill, minmax(340px, 1fr)); gap: 1.2em; }
figure { margin: 0; background: white; padding: 0.8em; border-radius: 6px; box-shadow: 0 1px 3px #0002; }
img { width: 100%; }
figcaption { font-weight: bold; margin-top: 0.4em; }
code { display: block; font-size: 0.8em; color: #4a5568; margin-top: 0.3em; white-space: pre-wrap; }
</style></head><body>
<h1>Pointsmith gallery</h1>
<p>Each outline was built by the Pointsmith module in the headless host. Points are numbered in their order; dashed lines are the axes.</p>
<main>
HTML

echo "$variants" | while IFS='|' read -r name caption settings; do
	[ -n "$name" ] || continue
	set --
	for setting in $settings; do
		set -- "$@" --set "$setting"
	done
	"$tool" outline --format svg --axis --order "$@" > "$out/$name.svg"
	printf '<figure><img src="%s.svg" alt="%s"><figcaption>%s</figcaption><code>%s</code></figure>\n' \
		"$name" "$caption" "$caption" "${settings:-defaults}" >> "$page"
done

if [ -n "$presets" ]; then
	echo '</main><h2>Preset catalogue</h2><p>Each loaded from its file through the arrow&rsquo;s own load button.</p><main>' >> "$page"
	for file in "$presets"/*.arr; do
		name=$(basename "$file" .arr)
		"$tool" outline --format svg --preset "$file" > "$out/preset-$name.svg"
		printf '<figure><img src="preset-%s.svg" alt="%s"><figcaption>%s</figcaption><code>presets/%s.arr</code></figure>\n' \
			"$name" "$name" "$name" "$name" >> "$page"
	done
fi

echo '</main></body></html>' >> "$page"
echo "gallery: $(ls "$out"/*.svg | wc -l) pictures in $out/index.html"
