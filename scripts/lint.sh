#!/usr/bin/env bash
# Formatting and static checks, all of which must find nothing: clang-format
# over every C++ file, clang-tidy over the native build and the Windows
# build's own files, and cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
mapfile -t sources < <(git ls-files '*.cpp' '*.h')

echo "== clang-format"
clang-format --dry-run --Werror "${sources[@]}"

echo "== clang-tidy"
cmake --preset native >/dev/null
cmake --preset windows-x64 >/dev/null
native_files() {
  python3 -c 'import json, sys
print("\n".join(sorted({e["file"] for e in json.load(open(sys.argv[1]))})))' "$1"
}
mapfile -t native < <(native_files build/native/compile_commands.json)
mapfile -t windows < <(native_files build/windows-x64/compile_commands.json | grep -v '\.rc$')
# clang reads the MinGW build's commands as its own, with MinGW's C++ and
# Windows headers (not GCC's intrinsics: clang has its own).
mingw_includes=()
while read -r folder; do
  mingw_includes+=("--extra-arg=-isystem$folder")
done < <(x86_64-w64-mingw32-g++ -E -x c++ - -v </dev/null 2>&1 |
         sed -n '/#include <...> search starts here:/,/End of search list./{/^ /s/^ //p}' |
         grep -vE '/include(-fixed)?$')
printf '%s\n' "${native[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build/native --quiet
printf '%s\n' "${windows[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build/windows-x64 --quiet \
  --extra-arg=--target=x86_64-w64-mingw32 "${mingw_includes[@]}"

echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability \
  --inline-suppr --std=c++20 --language=c++ -I src -I tests \
  --library=googletest --library=windows --library=posix \
  --suppress=missingIncludeSystem src tests fuzz bench
echo "lint: clean"
