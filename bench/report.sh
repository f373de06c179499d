#!/usr/bin/env bash
# report.sh: one table from the in-process benchmarks (Google Benchmark's
# JSON, medians of the repetitions) and the start-up runs (xruns.sh lines):
# figure, our value, the baseline measured in the same run, their ratio or
# difference, the target and whether it is met.
#
#   bench/report.sh INPROCESS_JSON XRUNS_TXT
set -euo pipefail

json=$1
xruns=$2

# bench_ns NAME: the median real time of benchmark NAME in nanoseconds.
bench_ns() {
  jq -r --arg name "$1_median" '
    .benchmarks[] | select(.name == $name) |
    .real_time * ({"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[.time_unit])' "$json"
}

# bench_counter NAME COUNTER: a user counter of benchmark NAME (median).
bench_counter() {
  jq -r --arg name "$1_median" --arg counter "$2" '
    .benchmarks[] | select(.name == $name) | .[$counter]' "$json"
}

# xmedian PROGRAM METRIC: the median of the xruns.sh values; "n/a" if none.
xmedian() {
  awk -v p="$1" -v m="$2" '$1 == p && $2 == m && $3 + 0 > 0 {print $3}' "$xruns" | sort -g |
    awk '{v[NR] = $1} END {
      if (NR == 0) print "n/a";
      else if (NR % 2) print v[(NR + 1) / 2];
      else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

xcount() { awk -v p="$1" -v m="$2" '$1 == p && $2 == m && $3 + 0 > 0' "$xruns" | wc -l; }

# calc EXPRESSION: floating-point arithmetic; "n/a" when an input is missing.
calc() {
  if [[ $1 == *n/a* || $1 == *null* || -z $1 ]]; then echo n/a; else awk "BEGIN {print $1}"; fi
}

fmt() {
  local value=$1 unit=$2 digits=${3:-1}
  if [ "$value" = n/a ]; then
    echo n/a
  else
    printf "%.${digits}f%s" "$value" "${unit:+ $unit}"
  fi
}

# verdict VALUE LIMIT: pass when VALUE <= LIMIT.
verdict() {
  if [ "$1" = n/a ] || [ "$2" = n/a ]; then
    echo "n/a"
  elif awk "BEGIN {exit !($1 <= $2)}"; then
    echo PASS
  else
    echo FAIL
  fi
}

# signed VALUE UNIT: a difference with its sign.
signed() {
  if [ "$1" = n/a ]; then echo n/a; else printf "%+.1f %s" "$1" "$2"; fi
}

rows=()
row() { rows+=("$(printf '| %s | %s | %s | %s | %s | %s |' "$@")"); }

# Repaint and slide, each size against its own baseline.
for size in design large; do
  if [ $size = design ]; then label="117 x 112 pieces"; else label="600 x 330 pieces"; fi
  repaint=$(bench_ns "BoardRepaint/$size")
  copies=$(bench_ns "MemcpyTwice/$size")
  ratio=$(calc "$repaint / $copies")
  row "Full board repaint, $label" "$(fmt "$(calc "$repaint / 1e3")" µs)" \
    "$(fmt "$(calc "$copies / 1e3")" µs) (memcpy x 2)" "$(fmt "$ratio" x 2)" "<= 3x" \
    "$(verdict "$ratio" 3)"
done
for size in design large; do
  if [ $size = design ]; then label="117 x 112 pieces"; else label="600 x 330 pieces"; fi
  slide=$(bench_ns "Slide/$size")
  repaint=$(bench_ns "BoardRepaint/$size")
  ratio=$(calc "$slide / $repaint")
  row "One slide, $label" "$(fmt "$(calc "$slide / 1e3")" µs)" \
    "$(fmt "$(calc "$repaint / 1e3")" µs) (full repaint)" "$(fmt "$ratio" x 2)" "<= 1.5x" \
    "$(verdict "$ratio" 1.5)"
  # The same against the repaint as Repaint() shows it: composed, then
  # painted into the window by Qt, as the slide's board is.
  shown=$(bench_ns "BoardRepaintShown/$size")
  row "One slide, $label" "$(fmt "$(calc "$slide / 1e3")" µs)" \
    "$(fmt "$(calc "$shown / 1e3")" µs) (full repaint shown)" \
    "$(fmt "$(calc "$slide / $shown")" x 2)" "(info)" "-"
done

# Loading: the whole LoadPicture (the intake, the preview's scaling, fresh
# bitmaps) and the intake alone, against Qt's reader giving 32-bit pixels.
for entry in "1920x1080:24-bit:1.3" "4000x3000:24-bit:1.0" "4000x3000_8bit:8-bit:1.0" \
  "4000x3000_rle8:RLE8:1.0"; do
  IFS=: read -r picture kind limit <<<"$entry"
  decode=$(bench_ns "QImageReaderDecode/$picture/real_time")
  for step in LoadPicture Intake; do
    took=$(bench_ns "$step/$picture/real_time")
    ratio=$(calc "$took / $decode")
    row "$step, ${picture%%_*} $kind BMP" "$(fmt "$(calc "$took / 1e6")" ms)" \
      "$(fmt "$(calc "$decode / 1e6")" ms) (QImageReader)" "$(fmt "$ratio" x 2)" "<= ${limit}x" \
      "$(verdict "$ratio" "$limit")"
  done
  growth=$(bench_counter "IntakeMemory/$picture/iterations:1" over_surface_mib)
  row "Peak memory loading ${picture%%_*} $kind, over its surface" "$(signed "$growth" MiB)" \
    "$(fmt "$(bench_counter "IntakeMemory/$picture/iterations:1" surface_mib)" MiB) (surface)" \
    "-" "<= +4 MiB" "$(verdict "$growth" 4)"
done
for kind in 8bit rle8; do
  took=$(bench_ns "LoadPicture/gap_$kind/real_time")
  growth=$(bench_counter "IntakeMemory/gap_$kind/iterations:1" over_surface_mib)
  row "LoadPicture, 200 x 200 $kind, pixels 4 GiB into a sparse file" \
    "$(fmt "$(calc "$took / 1e6")" ms)" "-" "-" "<= 50 ms" "$(verdict "$(calc "$took / 1e6")" 50)"
  row "Peak memory loading it, over its surface" "$(signed "$growth" MiB)" "-" "-" "<= +2 MiB" \
    "$(verdict "$growth" 2)"
done

# Start-up: against the faster peer, the other one for information.
ours=$(xmedian tessra paint_ms)
taquin=$(xmedian gnome-taquin paint_ms)
fifteen=$(xmedian sgt-fifteen paint_ms)
fastest=gnome-taquin
fastest_ms=$taquin
if [ "$taquin" = n/a ] || { [ "$fifteen" != n/a ] && awk "BEGIN {exit !($fifteen < $taquin)}"; }; then
  fastest=sgt-fifteen
  fastest_ms=$fifteen
fi
runs=$(xcount tessra paint_ms)
for peer in gnome-taquin sgt-fifteen; do
  peer_ms=$(xmedian "$peer" paint_ms)
  ratio=$(calc "$ours / $peer_ms")
  if [ "$peer" = "$fastest" ]; then
    target="<= fastest peer"
    result=$(verdict "$ours" "$fastest_ms")
  else
    target="(info)"
    result="-"
  fi
  row "Start to first painted window, median of $runs" "$(fmt "$ours" ms)" \
    "$(fmt "$peer_ms" ms) ($peer)" "$(fmt "$ratio" x 2)" "$target" "$result"
done

# Start-up and memory against the bare Qt window of the same run, and
# against the bare window showing the program's menu titles (information:
# the share of the difference that the Japanese text stack alone costs).
bare_ms=$(xmedian bare_window paint_ms)
menu_ms=$(xmedian bare_menu paint_ms)
ratio=$(calc "$ours / $bare_ms")
row "Start to first painted window, median of $runs" "$(fmt "$ours" ms)" \
  "$(fmt "$bare_ms" ms) (bare Qt window)" "$(fmt "$ratio" x 2)" "<= 1.15x" \
  "$(verdict "$ratio" 1.15)"
row "Start to first painted window, median of $runs" "$(fmt "$ours" ms)" \
  "$(fmt "$menu_ms" ms) (bare window with the menu titles)" \
  "$(fmt "$(calc "$ours / $menu_ms")" x 2)" "(info)" "-"

# Memory one second after the start, and after opening a picture.
kib_to_mib() { calc "$1 / 1024"; }
ours=$(xmedian tessra rss_kib)
bare=$(xmedian bare_window rss_kib)
over=$(kib_to_mib "$(calc "$ours - $bare")")
row "Resident memory 1 s after start" "$(fmt "$(kib_to_mib "$ours")" MiB)" \
  "$(fmt "$(kib_to_mib "$bare")" MiB) (bare Qt window)" "$(signed "$over" MiB)" \
  "<= +6 MiB" "$(verdict "$over" 6)"
menu=$(xmedian bare_menu rss_kib)
row "Resident memory 1 s after start" "$(fmt "$(kib_to_mib "$ours")" MiB)" \
  "$(fmt "$(kib_to_mib "$menu")" MiB) (bare window with the menu titles)" \
  "$(signed "$(kib_to_mib "$(calc "$ours - $menu")")" MiB)" "(info)" "-"
for peer in gnome-taquin sgt-fifteen; do
  theirs=$(xmedian "$peer" rss_kib)
  row "Resident memory 1 s after start" "$(fmt "$(kib_to_mib "$ours")" MiB)" \
    "$(fmt "$(kib_to_mib "$theirs")" MiB) ($peer)" \
    "$(signed "$(kib_to_mib "$(calc "$ours - $theirs")")" MiB)" "(info)" "-"
done
loaded=$(xmedian tessra loaded_rss_kib)
bare_loaded=$(xmedian bare_window loaded_rss_kib)
row "Resident memory after opening a 1920 x 1080 BMP" "$(fmt "$(kib_to_mib "$loaded")" MiB)" \
  "$(fmt "$(kib_to_mib "$bare_loaded")" MiB) (bare window holding it)" \
  "$(signed "$(kib_to_mib "$(calc "$loaded - $bare_loaded")")" MiB)" "(info)" "-"

# Heap allocations while painting.
for entry in "design:50" "large:20"; do
  size=${entry%%:*}
  name="RepaintAllocations/$size/iterations:${entry##*:}"
  composed=$(bench_counter "$name" allocs_per_repaint)
  shown=$(bench_counter "$name" allocs_per_shown_repaint)
  row "Heap allocations composing both grids ($size)" "$(fmt "$composed" "" 0)" \
    "$(fmt "$shown" "" 0) (with Qt showing them)" "-" "= 0" "$(verdict "$composed" 0)"
done

echo "| figure | ours | baseline (same run) | ratio | target | result |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
echo
passes=$(printf '%s\n' "${rows[@]}" | grep -c '| PASS |$' || true)
fails=$(printf '%s\n' "${rows[@]}" | grep -c '| FAIL |$' || true)
echo "$passes targets met, $fails missed."
