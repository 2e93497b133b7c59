#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in build/fuzz and runs each one
# for SECONDS (default 60) from a copy of its seed corpus, the corpus the
# tests replay. Inputs that crash are left in build/fuzz/crashes/NAME/; once
# the fault is mended, such an input goes into the seed corpus for good.
# The script fails when a harness crashed or leaked, and before fuzzing at
# all when a harness fails on one of its own seeds; an input that ran too
# long or took too much memory is left there and named, without failing.
# Usage: scripts/fuzz.sh [SECONDS] [NAME...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
if ! command -v clang++ >/dev/null; then
  echo "The fuzz build needs clang and its libFuzzer: apt-get install clang" >&2
  exit 1
fi
build="$root/build/fuzz"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTANDRIL_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzzers

# Each harness and the seed corpora it starts from.
declare -A seeds=(
  [scheme_loader]=tests/highlighter/data/scheme_corpus
  [xml_document]="tests/highlighter/data/xml_corpus tests/highlighter/data/xml_regressions"
  [png_to_bitmap]=tests/skin/data/data/png_corpus
  [mask_region]=tests/skin/data/data/stored_skin
  [stored_skin]=tests/skin/data/data/stored_skin_corpus
  [skin_data]=tests/skin/data/data/stored_skin_corpus
  [skin_controls]=tests/skin/controls/data/degenerate_skin_corpus
  [notes_file]=tests/app/data/notes_corpus
)
names=("$@")
[ ${#names[@]} -gt 0 ] || names=("${!seeds[@]}")
status=0
for name in "${names[@]}"; do
  corpus="$build/corpus/$name"
  crashes="$build/crashes/$name"
  mkdir -p "$corpus" "$crashes"
  for seed in ${seeds[$name]}; do
    cp -n "$root/$seed"/* "$corpus"/ 2>/dev/null || true
  done
  echo "== $name"
  # First its own seeds, each once: a harness that fails on them fuzzes
  # nothing (every run stops at the first seed), which is a fault of the
  # harness or the build, never a finding.
  code=0
  TANDRIL_HEADLESS=1 LSAN_OPTIONS="suppressions=$root/fuzz/lsan_suppressions.txt" "$build/fuzz/fuzz_$name" -runs=0 \
      -rss_limit_mb=2048 -timeout=20 -error_exitcode=77 -timeout_exitcode=70 -artifact_prefix="$build/seed_failure_" \
      $(for seed in ${seeds[$name]}; do echo "$root/$seed"; done) 2>"$build/$name.seeds.log" || code=$?
  if [ $code -ne 0 ]; then
    echo "!! $name CANNOT RUN ITS OWN SEEDS (exit $code): not fuzzed. The failure:" >&2
    grep -E "ERROR|what\(\)|terminate|SUMMARY|Test unit written" "$build/$name.seeds.log" | head -n 8 >&2 || true
    echo "!! whole log: $build/$name.seeds.log" >&2
    status=1
    continue
  fi
  TANDRIL_HEADLESS=1 LSAN_OPTIONS="suppressions=$root/fuzz/lsan_suppressions.txt" "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
      -error_exitcode=77 -timeout_exitcode=70 -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" \
      2>"$build/$name.log" || code=$?
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$build/$name.log" || true
  ls "$crashes"
  # libFuzzer's own codes: 70 an input ran past the timeout, 71 one went
  # past the memory limit. Anything else is a crash, a leak or a harness
  # that did not run.
  case $code in
    0) ;;
    70) echo "$name: an input ran past the timeout (see $build/$name.log)" ;;
    71) echo "$name: an input went past the memory limit (see $build/$name.log)" ;;
    *) echo "$name: failed with $code (see $build/$name.log)"; status=1 ;;
  esac
done
exit $status
