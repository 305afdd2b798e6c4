#!/usr/bin/env bash
# Start-up benchmark: instructions per run, counted by callgrind (repeatable,
# unlike wall-clock time), for the native tool beside reference programs.
# A script may call the tool once per file, so a run must stay within twice an
# empty statically linked C program. Then the text operations' worst cases.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" >/dev/null
tool="$PWD/build/bench/tarnwick"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo 'int main(void) { return 0; }' > "$work/empty.c"
echo 'int main() { return 0; }' > "$work/empty.cpp"
gcc -O2 -static "$work/empty.c" -o "$work/empty-c-static"
# --no-as-needed keeps libstdc++ loaded although the program uses none of it.
g++ -O2 -Wl,--no-as-needed "$work/empty.cpp" -o "$work/empty-cpp-dynamic"
g++ -O2 -Wl,--no-as-needed -static-libstdc++ -static-libgcc "$work/empty.cpp" -o "$work/empty-cpp-static-runtime"

# The program's own exit status (1 for NOT_FOUND, 9 for help) is no failure here.
instructions() {
  { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null || true; } |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

c_static=$(instructions "$work/empty-c-static")
not_found=$(instructions "$tool" '\\fs01\data\reports')
printf '%-52s %12s\n' "program (this machine: $(wc -l < /proc/self/mountinfo) mounts)" instructions
printf '%-52s %12s\n' "empty C, static" "$c_static"
printf '%-52s %12s\n' "empty C++, libstdc++ dynamic" "$(instructions "$work/empty-cpp-dynamic")"
printf '%-52s %12s\n' "empty C++, libstdc++ and libgcc static" \
  "$(instructions "$work/empty-cpp-static-runtime")"
printf '%-52s %12s\n' "findmnt -n -o TARGET -S //fs01/data" \
  "$(instructions findmnt -n -o TARGET -S //fs01/data)"
printf '%-52s %12s\n' 'tarnwick \\fs01\data\reports (NOT_FOUND)' "$not_found"
printf '%-52s %12s\n' 'tarnwick /? (help)' "$(instructions "$tool" '/?')"

bound=$((2 * c_static))
if [ "$not_found" -le "$bound" ]; then
  echo "NOT_FOUND run: within the bound of $bound (2x empty static C)"
else
  echo "NOT_FOUND run: OVER the bound of $bound (2x empty static C)"
  exit 1
fi

echo
build/bench/bench/text_benchmark
