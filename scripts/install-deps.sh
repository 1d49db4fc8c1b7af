#!/bin/sh
# Installs the Debian packages the build and the tests need, when missing.
set -eu

packages="cmake ninja-build g++ make binutils libgtest-dev libgmock-dev libbenchmark-dev libtiff-dev nlohmann-json3-dev libcli11-dev clang libclang-rt-14-dev"

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
