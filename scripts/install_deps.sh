#!/bin/sh
# Installs the Debian 12 packages the build and the tests need, if missing.
# Needs root. Safe to run again: does nothing when all are there.
set -eu

packages="cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
wine wine64 xvfb x11-apps imagemagick python3"
packages_i386="wine32:i386"

missing=""
for p in $packages $packages_i386; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -z "$missing" ]; then
    exit 0
fi

echo "Installing:$missing"
if [ "$(id -u)" != 0 ]; then
    echo "Missing packages and not root: install them first:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# 32-bit Windows programs need Wine's 32-bit part.
if ! dpkg --print-foreign-architectures | grep -q i386; then
    dpkg --add-architecture i386
fi
apt-get update -q
apt-get install -y -q $missing
