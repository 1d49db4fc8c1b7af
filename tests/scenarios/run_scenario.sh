#!/bin/sh
# Runs one scenario script through pointsmith-host and compares what it
# prints with the .expected file beside it.
set -u
tool=$1
script=$2
expected=${script%.script}.expected
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
if ! "$tool" script "$script" >"$actual"; then
	echo "$script: pointsmith-host did not run the script through" >&2
	exit 1
fi
diff -u "$expected" "$actual"
