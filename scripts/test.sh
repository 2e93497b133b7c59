#!/usr/bin/env bash
# Installs what is missing, builds the two test builds with all cores, runs
# every test in each and prints how long the builds and the tests took:
# - build/test, with AddressSanitizer and UndefinedBehaviorSanitizer. The
#   program's own code is optimised a little (-O1, cmake/TandrilLibrary.cmake),
#   the tests' code not at all: optimising the tests would double their
#   compile time and win nothing; line tables (-g1) are all the sanitizers'
#   reports need.
# - build/release-test, optimised as scripts/run.sh builds the program users
#   get: the optimiser and the faster pace (idle timers firing less often
#   between steps) show faults the slow sanitized build hides.
# The tally counts both builds' tests, and a failure in either fails the
# script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

# Compiler cache entries are keyed on paths relative to the checkout, so a
# fresh clone in another folder reuses what an earlier build compiled; the
# sloppiness lets precompiled headers be cached too.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

sanitized="$root/build/test"
release="$root/build/release-test"
jobs=$(nproc)
# A tally left by an earlier run never stands for this one.
rm -f "$sanitized/tally"
started=$(date +%s)
# Both builds are unity builds: a target's sources are compiled a dozen at a
# time in one translation unit, which reads the shared headers and makes
# their templates once per dozen (a third less compiling than file by
# file). scripts/clang_check.sh still checks each source by itself.
unity=(-DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=12)
cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=Debug -DTANDRIL_SANITIZE=ON \
      -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" "${unity[@]}" >/dev/null
cmake --build "$sanitized" -j "$jobs"
sanitized_built=$(date +%s)
echo "test.sh: sanitized build $((sanitized_built - started)) s"
# The release build's own flags are run.sh's; its tests are built too, its
# benchmarks are not (scripts/bench.sh builds those).
cmake -S "$root" -B "$release" -DCMAKE_BUILD_TYPE=Release -DTANDRIL_TESTS=ON -DTANDRIL_BENCH=OFF "${unity[@]}" >/dev/null
cmake --build "$release" -j "$jobs"
built=$(date +%s)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Long randomized sessions run a few of their seeds; TANDRIL_ALL_SEEDS=1 in
# the environment runs every seed (tests/support/test_seeds.h), which takes
# a few times as long.
status=0
passed=0 failed=0 skipped=0
# Runs every test of the build in folder $1, named $2 in the tally.
run_tests() {
  local build=$1 name=$2 total failures skips
  cd "$build"
  # A test that hangs (a modal loop nobody answers) fails after five
  # minutes instead of holding the run; a whole test program run in one
  # process in a shuffled order (<program>.WholeShuffled, its seed printed
  # first; GTEST_RANDOM_SEED=N repeats an order) after half an hour. Each
  # test carries its limit itself (cmake/TandrilLibrary.cmake), so a bare
  # ctest stops a hang as well; --timeout covers a test added without one,
  # which Layout.EveryTestHasATimeLimit reports.
  ctest --output-on-failure --timeout 300 -j "$jobs" | tee ctest.log || status=1
  echo "Slowest tests ($name):"
  sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .* \([0-9.]*\) sec$/\2 s  \1/p' ctest.log | sort -rn | sed -n 1,10p
  total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' ctest.log)
  failures=$(sed -n 's/.*, \([0-9]*\) tests failed out of .*/\1/p' ctest.log)
  skips=$(grep -c '(Skipped)$' ctest.log || true)
  if [[ -z "$total" ]]; then
    # CTest itself gave up before its summary: nothing here passed.
    echo "no summary from ctest in $build" >&2
    status=1
    total=1 failures=1
  fi
  passed=$((passed + total - failures - skips))
  failed=$((failed + failures))
  skipped=$((skipped + skips))
  echo "tests in $name: $((total - failures - skips)) passed, $failures failed, $skips skipped"
}
run_tests "$sanitized" sanitized
sanitized_tested=$(date +%s)
echo "test.sh: sanitized tests $((sanitized_tested - built)) s"
run_tests "$release" release
finished=$(date +%s)
echo "test.sh: builds $((built - started)) s (sanitized $((sanitized_built - started)) s, release $((built - sanitized_built)) s), tests $((finished - built)) s on $jobs cores"
# The tally of both builds' tests, last, where CI looks for it (.ci/run
# prints it again).
echo "tests: $passed passed, $failed failed, $skipped skipped" | tee "$sanitized/tally"
exit "$status"
