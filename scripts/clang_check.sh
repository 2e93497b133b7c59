#!/usr/bin/env bash
# Checks that every source of a build still compiles with clang, which the
# libFuzzer build (scripts/fuzz.sh) uses while the other builds use GCC:
# clang++ -fsyntax-only on each compile command CMake exported for the
# build, all cores at once. The build folder must be configured with
# -DCMAKE_EXPORT_COMPILE_COMMANDS=ON (scripts/test.sh does). Left out of
# each command: -fexec-charset (clang takes no execution character set but
# UTF-8), GCC's precompiled headers (each source is checked with the headers
# it includes itself) and warnings (GCC's are the ones kept at zero).
# Without clang++ it says so and checks nothing.
# Usage: scripts/clang_check.sh [BUILD FOLDER]   (default build/test)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/test}
commands="$build/compile_commands.json"
if ! command -v clang++ >/dev/null; then
  echo "clang_check: no clang++ on this machine, nothing checked (apt-get install clang)"
  exit 0
fi
if [ ! -f "$commands" ]; then
  echo "clang_check: no $commands (configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON)" >&2
  exit 1
fi

list=$(mktemp)
trap 'rm -f "$list"' EXIT
# CMake writes each command on one line as a JSON string: the string's
# escapes are undone, the compiler and the flags clang does not take are
# replaced. The precompiled headers' own commands are left out.
grep '"command"' "$commands" | grep -v 'cmake_pch\.hxx\.cxx' |
  sed -e 's/^ *"command": "//' -e 's/",\{0,1\}$//' \
      -e 's/\\\\/\x01/g' -e 's/\\"/"/g' -e 's/\x01/\\/g' \
      -e 's|^[^ ]* |clang++ -fsyntax-only -w |' \
      -e 's/ -fexec-charset=[^ ]*//' -e 's/ -Winvalid-pch//' -e 's/ -include [^ ]*cmake_pch\.hxx//' \
      -e 's/ -o [^ ]*//' -e 's/ -c / /' >"$list"

started=$(date +%s)
status=0
tr '\n' '\0' <"$list" | xargs -0 -P "$(nproc)" -n 1 sh -c || status=$?
echo "clang_check: $(wc -l <"$list") sources in $(($(date +%s) - started)) s on $(nproc) cores$([ "$status" -eq 0 ] || echo ", some do not compile with clang")"
exit "$status"
