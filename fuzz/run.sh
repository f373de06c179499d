#!/usr/bin/env bash
# run.sh: builds the picture loader's fuzz target with clang into build-fuzz/
# and runs it, seeded with the generated picture corpus. New inputs collect
# in build-fuzz/corpus/ and carry over to the next run; a crash, leak or
# hang is written to build-fuzz/findings/ and makes the script fail.
#
# Usage: fuzz/run.sh [SECONDS] [libFuzzer options...]   (SECONDS: 30)
# Replay one file: build-fuzz/bmp_fuzzer FILE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSRA_FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-30}
shift $(($# > 0 ? 1 : 0))

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
if ! python3 "$root/tools/make_corpus.py" "$seeds" >/dev/null; then
  echo "fuzz/run.sh: no seeds (python3 failed); starting from nothing" >&2
fi
rm -f "$seeds"/*.ppm "$seeds/MANIFEST.txt"

export ASAN_OPTIONS=${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec "$build/bmp_fuzzer" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=1048576 \
  -dict="$root/fuzz/bmp.dict" -artifact_prefix="$build/findings/" \
  -print_final_stats=1 "$@" "$build/corpus" "$seeds"
