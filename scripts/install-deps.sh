#!/bin/sh
# Installs the Debian packages the build and the tests need, when missing.
set -eu

packages="cmake ninja-build g++ make binutils python3 libgtest-dev libgmock-dev libbenchmark-dev libtiff-dev nlohmann-json3-dev libcli11-dev clang libclang-rt-14-dev gcovr"

# `install-deps.sh windows`: what the Windows build needs on top: the mingw-w64
# cross compiler, wine to run its tests, and GoogleTest's sources.
if [ "${1:-}" = windows ]; then
	packages="g++-mingw-w64-x86-64-posix wine wine64 googletest"
fi
# `install-deps.sh picture`: rsvg-convert, which rasterises the README's picture.
if [ "${1:-}" = picture ]; then
	packages="librsvg2-bin"
fi

missing=""
for package in $packages; do
	dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
	sudo=sudo
else
	sudo=
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
