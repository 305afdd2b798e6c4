#!/usr/bin/env bash
# Builds the 32-bit tarnwick.exe and runs it under Wine on a UNC path
# (default: a sample). Wine maps no network drives, so it prints NOT_FOUND.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 --target tarnwick -j "$(nproc)" >/dev/null

export WINEPREFIX="$PWD/build/windows-x86/wineprefix" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
fi
status=0
wine build/windows-x86/tarnwick.exe "${1:-\\\\fs01\\data\\reports}" || status=$?
echo "exit status: $status"
