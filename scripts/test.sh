#!/usr/bin/env bash
# Builds everything and runs every test: the native build's unit, end-to-end,
# memcheck and corpus-replay tests; the same under AddressSanitizer and
# UndefinedBehaviorSanitizer; each fuzz target for a minute; both Windows exes
# end to end under Wine; and the formatting and static checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

run_preset() {
  echo "== $1"
  cmake --preset "$1"
  cmake --build --preset "$1" -j "$(nproc)"
  ctest --preset "$1"
}

run_preset native
run_preset sanitize
bash scripts/fuzz.sh "${TARNWICK_FUZZ_SECONDS:-60}"
run_preset windows-x86
run_preset windows-x64
bash scripts/lint.sh
