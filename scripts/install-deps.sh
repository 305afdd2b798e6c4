#!/usr/bin/env bash
# Installs what this machine lacks to build and test Tarnwick (Debian, as root).
set -euo pipefail

packages=(cmake g++ make libgtest-dev python3
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
          wine wine64 wine32:i386
          valgrind clang libclang-rt-14-dev libbenchmark-dev)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
# The 32-bit Wine runs the 32-bit exe.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
