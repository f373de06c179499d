#!/usr/bin/env bash
# run.sh: builds the picture loader's fuzz target with clang into build-fuzz/
# and runs it in one of two ways.
#
#   fuzz/run.sh check [RUNS]
#     The test run's step: replays the committed regression inputs
#     (fuzz/regressions/) and the generated corpus, then explores for RUNS
#     executions (15000) from the fixed seed 1, with address randomisation
#     off, from an empty working corpus. The same commit gives the same
#     inputs, the same verdict and the same counts on every run.
#   fuzz/run.sh explore SECONDS [libFuzzer options...]
#     A longer search from a random seed (or -seed=N). New inputs collect in
#     build-fuzz/corpus/ and carry over to the next run.
#
# A crash, leak, hang or broken promise is written to build-fuzz/findings/
# and makes the script fail. Replay one file: build-fuzz/bmp_fuzzer FILE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSRA_FUZZ_BUILD:-$root/build-fuzz}
mode=${1:-check}
shift $(($# > 0 ? 1 : 0))
case $mode in
  check) runs=${1:-15000} ;;
  explore) seconds=${1:-60}; shift $(($# > 0 ? 1 : 0)) ;;
  *) echo "usage: fuzz/run.sh check [RUNS] | explore SECONDS [libFuzzer options...]" >&2; exit 2 ;;
esac

cxx=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$cxx" ]; then
  echo "fuzz/run.sh: clang++ is missing (Debian: clang-14 libclang-rt-14-dev)" >&2
  exit 1
fi
cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build" -j"$(nproc)"

seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$build/corpus" "$build/findings" "$seeds"
python3 "$root/tools/make_corpus.py" "$seeds" >/dev/null
rm -f "$seeds"/*.ppm "$seeds/MANIFEST.txt"

export ASAN_OPTIONS=${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
options=(-timeout=30 -rss_limit_mb=2048 -max_len=1048576 -reload=0
  -dict="$root/fuzz/bmp.dict" -artifact_prefix="$build/findings/")

if [ "$mode" = explore ]; then
  exec "$build/bmp_fuzzer" -max_total_time="$seconds" -print_final_stats=1 "${options[@]}" "$@" \
    "$build/corpus" "$root/fuzz/regressions" "$seeds"
fi

# The fuzzer follows the values its target compares, addresses among them.
# So that two runs from one seed take the same road, wherever the tree was
# cloned: address randomisation off, and the same arguments and environment,
# which lie on the stack.
norandom=(setarch "$(uname -m)" -R)
if ! "${norandom[@]}" true 2>/dev/null; then
  echo "fuzz/run.sh: cannot turn address randomisation off here; counts may differ between runs" >&2
  norandom=()
fi
rm -rf "$build/check" "$build/regressions"
mkdir -p "$build/check"
cp -r "$root/fuzz/regressions" "$build/regressions"
cp "$root/fuzz/bmp.dict" "$build/bmp.dict"
log=$build/check.log
if (cd "$build" && env -i PATH=/usr/bin:/bin ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS="$UBSAN_OPTIONS" \
      "${norandom[@]}" ./bmp_fuzzer -seed=1 -runs="$runs" -timeout=30 -rss_limit_mb=2048 \
      -max_len=1048576 -reload=0 -dict=bmp.dict -artifact_prefix=findings/ \
      check regressions seeds) >"$log" 2>&1; then
  # The counts, without the timings that vary between runs.
  grep -E '^(Done [0-9]+ runs|bmp_fuzzer: |  only )' "$log" | sed -E 's/ in [0-9]+ second\(s\)$//'
  echo "fuzz/run.sh: clean after $runs runs from seed 1 ($(ls "$build/check" | wc -l) new inputs; log $log)"
else
  grep -v 'QImage::setColor' "$log" | tail -40
  echo "fuzz/run.sh: FAILED; the input is in $build/findings/, the log in $log" >&2
  exit 1
fi
