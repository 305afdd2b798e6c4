#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then both
# Windows exes end to end under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

for preset in native windows-x86 windows-x64; do
  echo "== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset"
done
