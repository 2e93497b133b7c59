#!/usr/bin/env bash
# Checks that every test CTest knows in the build folder given (default: the
# current one) carries a time limit of its own (the TIMEOUT property), so
# that a test that hangs fails under its name in minutes wherever CTest is
# run, not only where the caller remembered --timeout. Prints each test
# without one and exits 1 if there is one.
set -euo pipefail
build=${1:-.}
ctest=${CTEST:-ctest}
listing=$(cd "$build" && "$ctest" --show-only=json-v1)
# The listing is CTest's indented JSON: a test's "name" stands six spaces
# in, before its "properties", whose own names stand ten spaces in.
missing=$(awk '
  /^      "name" : / { if (name != "" && !limited) print name; name = $3; limited = 0 }
  /^          "name" : "TIMEOUT"/ { limited = 1 }
  END { if (name != "" && !limited) print name }
' <<<"$listing" | tr -d '",')
tests=$(grep -c '^      "name" : ' <<<"$listing" || true)
if [[ "$tests" -eq 0 ]]; then
  echo "no tests listed in $build" >&2
  exit 1
fi
if [[ -n "$missing" ]]; then
  echo "tests without a time limit (TIMEOUT):"
  echo "$missing"
  exit 1
fi
echo "$tests tests, each with a time limit"
