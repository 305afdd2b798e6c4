#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 60) from the checked-in corpus,
# under AddressSanitizer and UndefinedBehaviorSanitizer. New inputs go to a
# scratch folder; a crash is kept as fuzz-artifacts/crash-TARGET-* and fails
# the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p fuzz-artifacts
failed=0
for target in command_line resolution mountinfo; do
  mkdir -p "$scratch/$target"
  echo "== fuzz_$target for ${seconds}s"
  if build/fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="fuzz-artifacts/crash-$target-" "$scratch/$target" "fuzz/corpus/$target" \
      > "$scratch/$target.log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units' "$scratch/$target.log" || true
  else
    tail -n 40 "$scratch/$target.log"
    failed=1
  fi
done
exit "$failed"
