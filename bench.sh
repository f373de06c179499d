#!/usr/bin/env bash
# bench.sh: installs what the benchmarks need, builds Tessra (Release) into
# build-bench/, times it against baselines measured in the same run and
# prints one table: figure, our value, baseline, ratio, target, pass or fail.
#
#   ./bench.sh            # 7 repetitions and 7 start-up runs per program
#   BENCH_RUNS=11 ./bench.sh
#
# The in-process figures (repaint, slide, loading, allocations) come from
# tessra_bench on Qt's offscreen platform; start-up and memory are measured
# from outside under Xvfb for Tessra, gnome-taquin, sgt-puzzles' fifteen and
# a bare Qt window alike. Logs and raw results stay in build-bench/results/.
set -euo pipefail
cd "$(dirname "$0")"
runs=${BENCH_RUNS:-7}

mapfile -t packages < .ci/packages
packages+=(libbenchmark-dev libx11-dev libxdamage-dev xvfb x11-utils xdotool jq time procps
  gnome-taquin sgt-puzzles)
.ci/install-packages "${packages[@]}"

echo "== build-bench: configure and build (Release)"
mkdir -p build-bench
log=build-bench/bench-build.log
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTESSRA_TESTS=OFF -DTESSRA_BENCH=ON \
  >"$log" 2>&1 || { cat "$log"; exit 1; }
cmake --build build-bench -j"$(nproc)" --target tessra tessra_bench bare_window startprobe \
  >>"$log" 2>&1 || { tail -50 "$log"; exit 1; }

out=build-bench/results
rm -rf "$out"
mkdir -p "$out"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT

echo "== in-process benchmarks ($runs repetitions each, medians)"
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" build-bench/bench/tessra_bench \
  --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
  --benchmark_out="$out/inprocess.json" --benchmark_out_format=json \
  >"$out/inprocess.txt" 2>"$out/inprocess.log"

echo "== start-up and memory under Xvfb ($runs runs per program)"
bench/xruns.sh build-bench "$out" "$runs" >"$out/xruns.txt"

echo
bench/report.sh "$out/inprocess.json" "$out/xruns.txt" | tee "$out/table.md"
