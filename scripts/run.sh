#!/usr/bin/env bash
# Builds the native tool and runs it on a UNC path (default: a sample). With no
# SMB mount on this machine it prints NOT_FOUND.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target tarnwick -j "$(nproc)" >/dev/null
status=0
build/native/tarnwick "${1:-\\\\fs01\\data\\reports}" || status=$?
echo "exit status: $status"
