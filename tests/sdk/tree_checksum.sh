#!/bin/sh
# tree_checksum.sh DIR: one checksum of every name, kind, mode and content
# under DIR; make sdk-module compares the SDK's before and after the build.
set -eu
cd "$1"
{
	find . -printf '%y %m %p\n' | LC_ALL=C sort
	find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum
} | sha256sum
