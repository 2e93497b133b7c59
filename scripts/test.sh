#!/usr/bin/env bash
# Installs what is missing, builds the test build (AddressSanitizer and
# UndefinedBehaviorSanitizer) with all cores, runs every test and prints how
# long the build and the tests took. The test build is not optimised: the
# tests run about as fast either way and the build takes half the time;
# line tables (-g1) are all the sanitizers' reports need.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

# Compiler cache entries are keyed on paths relative to the checkout, so a
# fresh clone in another folder reuses what an earlier build compiled; the
# sloppiness lets precompiled headers be cached too.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

build="$root/build/test"
jobs=$(nproc)
started=$(date +%s)
# The compile commands are for scripts/clang_check.sh.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTANDRIL_SANITIZE=ON \
      -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$build" -j "$jobs"
built=$(date +%s)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Long randomized sessions run a few of their seeds; TANDRIL_ALL_SEEDS=1 in
# the environment runs every seed (tests/support/test_seeds.h), which takes
# a few times as long.
cd "$build"
status=0
# A test that hangs (a modal loop nobody answers) fails after five
# minutes instead of holding the run; a whole test program run in one
# process in a shuffled order (<program>.WholeShuffled, its seed printed
# first; GTEST_RANDOM_SEED=N repeats an order) after half an hour. Each
# test carries its limit itself (cmake/TandrilLibrary.cmake), so a bare
# ctest stops a hang as well; --timeout covers a test added without one,
# which Layout.EveryTestHasATimeLimit reports.
ctest --output-on-failure --timeout 300 -j "$jobs" | tee ctest.log || status=$?
finished=$(date +%s)
echo "Slowest tests:"
sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .* \([0-9.]*\) sec$/\2 s  \1/p' ctest.log | sort -rn | sed -n 1,10p
echo "test.sh: build $((built - started)) s, tests $((finished - built)) s on $jobs cores"
# The tally, last, where CI looks for it (.ci/run prints it again).
total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' ctest.log)
failed=$(sed -n 's/.*, \([0-9]*\) tests failed out of .*/\1/p' ctest.log)
skipped=$(grep -c '(Skipped)$' ctest.log || true)
echo "tests: $((${total:-0} - ${failed:-0} - skipped)) passed, ${failed:-0} failed, $skipped skipped" | tee tally
exit "$status"
