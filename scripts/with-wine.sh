#!/bin/sh
# Runs a command with wine set up for the Windows build: a wine prefix of its
# own under build-windows/, no display, no prompts for Mono or Gecko. The wine
# server is kept up until the command ends, and the prefix is booted first
# with its output sent away: wine's background processes would otherwise
# hold the output pipe of the first program open, and CTest would wait for
# them after every test.
set -eu
export WINEPREFIX="$(cd "$(dirname "$0")/.." && pwd)/build-windows/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k' EXIT
wineboot -i >/dev/null 2>&1 </dev/null
"$@"
