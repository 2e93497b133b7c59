#!/usr/bin/env bash
# Checks that the sources the libFuzzer build (scripts/fuzz.sh) compiles
# still compile with clang, while the other builds use GCC: the program's
# own sources and the test sources the fuzz harnesses take in
# (fuzz/CMakeLists.txt names them). The other tests are never built by
# clang, and GCC compiles them in both test builds.
# clang++ -fsyntax-only on each source by itself, all cores at once, with
# the compile commands of a build folder that is only configured, file by
# file (the test builds compile sources a dozen at a time, which would hide
# an include a source forgot). Left out of each command: -fexec-charset
# (clang takes no execution character set but UTF-8), GCC's precompiled
# headers (each source is checked with the headers it includes itself) and
# warnings (GCC's are the ones kept at zero). Sources made at build time
# (compiled-in resources, plain data) are not checked.
# Without clang++ it says so and checks nothing.
# Usage: scripts/clang_check.sh [BUILD FOLDER]   (default build/clang-check)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/clang-check}
if ! command -v clang++ >/dev/null; then
  echo "clang_check: no clang++ on this machine, nothing checked (apt-get install clang)"
  exit 0
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTANDRIL_SANITIZE=ON -DCMAKE_UNITY_BUILD=OFF \
      -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
commands="$build/compile_commands.json"

list=$(mktemp)
trap 'rm -f "$list"' EXIT
# The test sources of the fuzz harnesses, as "file": "<path>" patterns.
fuzzed=$(grep -o 'tests/[^ )]*\.cpp' "$root/fuzz/CMakeLists.txt" | sort -u | sed 's|^|"file": "'"$root"'/|; s|$|"|')
# CMake writes each entry as a "directory", a "command" and a "file" line:
# the command is kept when its file is one of those checked. The string's
# escapes are undone, the compiler and the flags clang does not take are
# replaced. The precompiled headers' own commands are left out.
grep -B1 '"file"' "$commands" | paste - - - |
  awk -v root="$root" -v fuzzed="$fuzzed" '
    BEGIN { n = split(fuzzed, list, "\n"); for (i = 1; i <= n; i++) keep[list[i]] = 1 }
    {
      match($0, /"file": "[^"]*"/); file = substr($0, RSTART, RLENGTH)
      path = substr(file, 10, length(file) - 10)
      if (index(path, root "/build/") == 1 || path ~ /cmake_pch\.hxx\.cxx$/) next
      if (index(path, root "/tests/") == 1 && !(file in keep)) next
      if (seen[path]++) next  # a test source several test programs compile
      print
    }' |
  sed -e 's/^.*"command": "//' -e 's/",[[:space:]]*"file": .*$//' \
      -e 's/\\\\/\x01/g' -e 's/\\"/"/g' -e 's/\x01/\\/g' \
      -e 's|^[^ ]* |clang++ -fsyntax-only -w |' \
      -e 's/ -fexec-charset=[^ ]*//' -e 's/ -Winvalid-pch//' -e 's/ -include [^ ]*cmake_pch\.hxx//' \
      -e 's/ -o [^ ]*//' -e 's/ -c / /' >"$list"

started=$(date +%s)
status=0
tr '\n' '\0' <"$list" | xargs -0 -P "$(nproc)" -n 1 sh -c || status=$?
echo "clang_check: $(wc -l <"$list") sources in $(($(date +%s) - started)) s on $(nproc) cores$([ "$status" -eq 0 ] || echo ", some do not compile with clang")"
exit "$status"
