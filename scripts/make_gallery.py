#!/usr/bin/env python3
"""Render the Pointsmith gallery: one picture per kind of arrow, built by the
module itself through pointsmith-host, and an index page that shows them with
the settings that made them.

Usage: python3 scripts/make_gallery.py TOOL OUTPUT_FOLDER [PRESET_FOLDER]
(scripts/make_gallery.sh runs it). Each row of the page is drawn at one
scale, so that sizes compare along it; pictures are shown at their own size,
so that the scale the page states holds on screen. Everything read from the
tool comes as JSON or as its picture, and every text is escaped for the page.
Standard library only.
"""

import html
import math
import json
import os
import re
import struct
import subprocess
import sys
import tempfile
import urllib.parse

NICE_STEPS = (1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10)
ROUNDED = [("ARROW_ROUND", "true"), ("ARROW_ROUND_RADIUS", "25")]
NAME = "10190"  # the preset name among a preset's values

STYLE = """
body { font-family: sans-serif; margin: 1em; background: #f3f4f7; color: #1a202c; }
.row { display: flex; flex-wrap: wrap; gap: 1.2em; }
h2 { margin: 1.4em 0 0.2em; }
h2 + p { margin: 0 0 0.8em; color: #4a5568; }
figure { margin: 0; background: white; padding: 0.5em; border-radius: 6px; box-shadow: 0 1px 3px #0002; width: 640px; }
img { display: block; max-width: none; }
figcaption { font-weight: bold; margin-top: 0.4em; }
code { display: block; font-size: 0.8em; color: #4a5568; margin-top: 0.3em; white-space: pre-wrap; }
"""

ROWS = [
    ("Shaft and head", [
        ("shaft-solid", "Shaft, solid head (the defaults)", []),
        ("shaft-solid-notch", "Shaft, solid head, tail notch", [("ARROW_TAIL_NOTCH", "60")]),
        ("shaft-solid-bevel", "Shaft, solid head, bevel", [("ARROW_BEVEL", "true")]),
        ("shaft-solid-bevel-notch", "Shaft, solid head, bevel, notch", [("ARROW_BEVEL", "true"), ("ARROW_TAIL_NOTCH", "60")]),
        ("shaft-open", "Shaft, open head", [("ARROW_OPEN_HEAD", "true")]),
        ("shaft-open-notch", "Shaft, open head, notch", [("ARROW_OPEN_HEAD", "true"), ("ARROW_TAIL_NOTCH", "60")]),
        ("shaft-open-square", "Shaft, open head, square barb ends", [("ARROW_OPEN_HEAD", "true"), ("ARROW_SQUARE_BARBS", "true")]),
        ("tapered", "Tapered shaft, swept barbs", [("ARROW_TAPER_FRONT", "0.6"), ("ARROW_TAPER_BACK", "0.2"), ("ARROW_BARB_SWEEP", "30")]),
    ]),
    ("Fins", [
        ("fins-solid", "Shaft with fins, solid head", [("ARROW_FINS", "true")]),
        ("fins-solid-notch", "Shaft with fins, solid head, notch", [("ARROW_FINS", "true"), ("ARROW_TAIL_NOTCH", "40")]),
        ("fins-open", "Shaft with fins, open head", [("ARROW_FINS", "true"), ("ARROW_OPEN_HEAD", "true")]),
        ("fins-open-notch", "Shaft with fins, open head, notch", [("ARROW_FINS", "true"), ("ARROW_OPEN_HEAD", "true"), ("ARROW_TAIL_NOTCH", "40")]),
    ]),
    ("Head only", [
        ("head-solid", "Head only, solid", [("ARROW_SHAFT", "false")]),
        ("head-solid-sweep", "Head only, solid, swept barbs (a dart)", [("ARROW_SHAFT", "false"), ("ARROW_BARB_SWEEP", "40")]),
        ("head-solid-bevel", "Head only, solid, bevel", [("ARROW_SHAFT", "false"), ("ARROW_BEVEL", "true")]),
        ("head-solid-bevel-sweep", "Head only, solid, bevel, swept barbs", [("ARROW_SHAFT", "false"), ("ARROW_BEVEL", "true"), ("ARROW_BARB_SWEEP", "40")]),
        ("head-open", "Head only, open", [("ARROW_SHAFT", "false"), ("ARROW_OPEN_HEAD", "true")]),
    ]),
    ("Double-headed", [
        ("double-solid", "Double-headed, solid heads", [("ARROW_DOUBLE", "true")]),
        ("double-open", "Double-headed, open heads", [("ARROW_DOUBLE", "true"), ("ARROW_OPEN_HEAD", "true")]),
    ]),
    ("Planes and point order", [
        ("plane-zy", "Plane ZY: pointing along +Z", [("PRIM_PLANE", "1")]),
        ("plane-xz", "Plane XZ: upper side towards +Z", [("PRIM_PLANE", "2")]),
        ("reversed", "Reversed point order", [("PRIM_REVERSE", "true")]),
    ]),
]


def run(tool, *arguments, failing=False):
    """The tool's standard output; a failure stops the gallery with the tool's own words."""
    result = subprocess.run([tool, *arguments], capture_output=True, text=True)
    if result.returncode != 0 and not failing:
        sys.exit(f"make_gallery: {' '.join(arguments)}: {result.stderr.strip()}")
    return result


def draw(tool, settings, preset=None, path=None, scale=None):
    arguments = ["outline", "--format", "svg", "--axis", "--order"]
    if preset:
        arguments += ["--preset", preset]
    if path:
        points, closed = path
        arguments += ["--path", points] + (["--path-closed"] if closed else [])
    for name, value in settings:
        arguments += ["--set", f"{name}={value}"]
    if scale:
        arguments += ["--scale", scale]
    return run(tool, *arguments).stdout


def caption_text(svg, kind):
    """The text of the picture caption's `kind` (scale, bar)."""
    return re.search(f'class="{kind}"[^>]*>([^<]*)<', svg).group(1)


def row_scale(tool, items):
    """The coarsest scale that fits every picture of a row, rounded up to a number read at a glance."""
    most = max(float(caption_text(draw(tool, settings, preset, path), "scale").split()[3]) for _, _, _, settings, preset, path in items)
    power = 1.0
    while power * 10 < most:
        power *= 10
    while power > most:
        power /= 10
    return f"{next(step * power for step in NICE_STEPS if step * power >= most):g}"


def text(value):
    return html.escape(value, quote=True)


def row(page, out, tool, title, items):
    """Items: (picture, caption, code, settings, preset file or None, path or None),
    a path being the points the arrow follows and whether it is closed."""
    scale = row_scale(tool, items)
    pictures = [(item, draw(tool, item[3], item[4], item[5], scale)) for item in items]
    bar = caption_text(pictures[0][1], "bar")
    units = "unit" if scale == "1" else "units"
    page.append(f"<section><h2>{text(title)}</h2><p>1 px = {scale} {units}: the bar under each picture is {text(bar)}</p><div class=\"row\">")
    for (picture, caption, code, _, _, _), svg in pictures:
        with open(os.path.join(out, picture + ".svg"), "w", encoding="utf-8") as file:
            file.write(svg)
        source = text(urllib.parse.quote(picture + ".svg"))
        page.append(f'<figure><img src="{source}" width="640" height="400" alt="{text(caption)}">'
                    f"<figcaption>{text(caption)}</figcaption><code>{text(code)}</code></figure>")
    page.append("</div></section>")


def variants(items, extra=()):
    return [(picture, caption, " ".join(f"{n}={v}" for n, v in [*settings, *extra]) or "defaults", [*settings, *extra], None, None)
            for picture, caption, settings in items]


def curve(start, end, steps, x, y):
    """The points x,y of a curve at t = start ... end in `steps` equal steps, to two decimals."""
    def number(value):
        return f"{round(value, 2) + 0.0:g}"
    ts = (start + (end - start) * i / steps for i in range(steps + 1))
    return " ".join(f"{number(x(t))},{number(y(t))}" for t in ts)


S_CURVE = curve(0, 1, 16, lambda t: 800 * t, lambda t: 100 * math.sin(2 * math.pi * t))
CIRCLE = curve(0, 1, 23, lambda t: 200 * math.cos(2 * math.pi * t), lambda t: 200 * math.sin(2 * math.pi * t))
ARC = curve(1, 0, 16, lambda t: 300 * math.cos(math.pi * t), lambda t: 300 * math.sin(math.pi * t))

PATHS = [
    ("path-s-curve", "An S curve", [], S_CURVE, False),
    ("path-circle", "A circle, 90% of it", [("ARROW_PATH_END", "0.9")], CIRCLE, True),
    ("path-corner", "An L with a sharp corner", [], "0,0 400,0 400,300", False),
    ("path-double-arc", "A double arrow on an arc", [("ARROW_DOUBLE", "true"), ("ARROW_DOUBLE_WIDTH", "60")], ARC, False),
    ("path-fins-rounded", "Fins and rounded corners on a curve",
     [("ARROW_FINS", "true"), ("ARROW_ROUND", "true"), ("ARROW_ROUND_RADIUS", "15"), ("ARROW_ROUND_STEPS", "2")], S_CURVE, False),
]
GROWTH = [(f"grow-{round(end * 100)}", f"End {round(end * 100)}%", [("ARROW_PATH_END", f"{end:g}")], S_CURVE, False)
          for end in (0.1, 0.3, 0.5, 0.7, 0.9, 1.0)]


def along(items):
    """Arrows along a path: the settings shown with the path's points."""
    return [(picture, caption, " ".join([*(f"{n}={v}" for n, v in settings), f'--path "{points}"', *(["--path-closed"] if closed else [])]),
             settings, None, (points, closed))
            for picture, caption, settings, points, closed in items]


def float32_text(number):
    """A float a preset holds (a 32-bit float there) in the shortest form that reads back as it: 0.8, not 0.800000011920929."""
    single = struct.unpack("f", struct.pack("f", number))[0]
    for digits in range(1, 10):
        candidate = float(f"{number:.{digits}g}")
        if struct.unpack("f", struct.pack("f", candidate))[0] == single:
            return repr(candidate)
    return repr(number)


def value_text(value):
    if isinstance(value, bool):
        return "true" if value else "false"
    if isinstance(value, float):
        return float32_text(value)
    return str(value)


def preset_values(tool, file):
    shown = run(tool, "preset", "show", file, failing=True)
    result = json.loads(shown.stdout)
    if not result["loaded"]:
        sys.exit(f"make_gallery: {shown.stderr.strip()}")
    return result["values"]


def picture_name(file, taken):
    """A picture file name for a preset file: its letters, digits and dashes, made unique."""
    base = "preset-" + re.sub(r"[^A-Za-z0-9-]+", "-", os.path.splitext(os.path.basename(file))[0])
    name, number = base, 2
    while name in taken:
        name, number = f"{base}-{number}", number + 1
    taken.add(name)
    return name


def preset_items(tool, folder):
    """A preset card shows the name the file stores and the values in which it
    differs from a new arrow, as `preset show` reads them."""
    names = {id: entry["name"] for id, entry in json.loads(run(tool, "params").stdout).items()}
    with tempfile.TemporaryDirectory() as scratch:
        new_arrow = os.path.join(scratch, "new-arrow.arr")
        run(tool, "preset", "save", new_arrow)
        defaults = preset_values(tool, new_arrow)
    items, taken = [], set()
    for file in sorted(os.path.join(folder, f) for f in os.listdir(folder) if f.endswith(".arr")):
        values = preset_values(tool, file)
        made = " ".join(f"{names.get(id, id)}={value_text(value)}" for id, value in values.items() if id != NAME and value != defaults.get(id))
        code = f"{os.path.basename(file)}: {made or 'the values of a new arrow'}"
        items.append((picture_name(file, taken), values[NAME], code, [], file, None))
    return items


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit("usage: make_gallery.sh TOOL OUTPUT_FOLDER [PRESET_FOLDER]")
    tool, out = sys.argv[1], sys.argv[2]
    presets = sys.argv[3] if len(sys.argv) == 4 else ""
    os.makedirs(out, exist_ok=True)
    page = ['<!DOCTYPE html>', '<html lang="en"><head><meta charset="utf-8"><title>Pointsmith gallery</title>',
            f"<style>{STYLE}</style></head><body>", "<h1>Pointsmith gallery</h1>",
            "<p>Each outline was built by the Pointsmith module in the headless host. Corners are numbered in their order "
            "(on rounded outlines, the corners before rounding); dashed lines are the axes. Every picture of a row has the same scale, "
            "and pictures are shown at their own size.</p>"]
    for title, items in ROWS:
        row(page, out, tool, title, variants(items))
    rounded = [(f"rounded-{picture}", "Rounded: " + caption[0].lower() + caption[1:], settings)
               for _, items in ROWS[:4] for picture, caption, settings in items]
    radius = dict(ROUNDED)["ARROW_ROUND_RADIUS"]
    row(page, out, tool, f"Rounded corners, every kind (radius {radius}, 4 steps)", variants(rounded, ROUNDED))
    row(page, out, tool, "Along a path (the path thin and grey): the shaft follows it, the head stays rigid", along(PATHS))
    row(page, out, tool, "Growing along a path by its End; shorter than the head, it is a smaller head", along(GROWTH))
    if presets:
        row(page, out, tool, "Preset catalogue, each loaded from its file through the arrow's own load button", preset_items(tool, presets))
    page.append("</body></html>")
    with open(os.path.join(out, "index.html"), "w", encoding="utf-8") as file:
        file.write("\n".join(page) + "\n")
    count = sum(1 for f in os.listdir(out) if f.endswith(".svg"))
    print(f"gallery: {count} pictures in {os.path.join(out, 'index.html')}")


if __name__ == "__main__":
    main()
