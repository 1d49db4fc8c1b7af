#!/bin/sh
# Renders one picture per kind of arrow through the module itself, and an
# index page that shows them with the settings that made them (the work is
# done by make_gallery.py beside this script).
#   scripts/make_gallery.sh TOOL OUTPUT_FOLDER [PRESET_FOLDER]
exec python3 "$(dirname "$0")/make_gallery.py" "$@"
