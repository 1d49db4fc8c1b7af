#!/bin/sh
# Runs the SDK's source processor over a plug-in folder: quiet when it accepts
# the sources, its findings and a failure otherwise.
#   run-source-processor.sh SOURCEPROCESSOR_PY PLUGIN_FOLDER
set -u
log="$2/generated/sourceprocessor.log"
mkdir -p "$2/generated"
if ! PYTHONDONTWRITEBYTECODE=1 python3 "$1" "$2" > "$log" 2>&1; then
	grep -v -E '^(  Parsing |Loading generator|Looking for source)' "$log"
	echo "the SDK's source processor refused the plug-in's sources (log: $log)"
	exit 1
fi
