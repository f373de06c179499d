#!/usr/bin/env bash
# xruns.sh: start-up time and memory of Tessra and its peers under Xvfb, all
# measured from outside by startprobe. Prints one "program metric value" line
# per measurement on stdout; the programs' own output goes to OUT/*.log.
#
#   bench/xruns.sh BUILD_DIR OUT_DIR [RUNS]
#
# Every program gets the same environment and its own XDG_RUNTIME_DIR for
# each run (Tessra allows one copy per runtime folder), and each run is ended
# before the next starts. The runs go round the programs in turn, so that a
# slow moment of the machine does not fall on one program only. One untimed
# run of each program first fills the file caches: the figures are warm-cache
# starts, the same for every program.
set -euo pipefail

build=$(realpath "$1")
out=$(realpath "$2")
runs=${3:-7}
probe=$build/bench/startprobe
tessra=$build/tessra
bare=$build/bench/bare_window

declare -A programs=(
  [tessra]=$tessra
  [gnome-taquin]=/usr/games/gnome-taquin
  [sgt-fifteen]=/usr/games/sgt-fifteen
)
order=(tessra gnome-taquin sgt-fifteen)

xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

# A free display chosen by the server itself; -noreset keeps new connections
# from failing now and then while clients come and go.
start_xvfb() {
  local fifo=$out/displayfd
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -noreset -nolisten tcp 3>"$fifo" \
    >"$out/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local display
  read -r -t 20 display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display"
}

# The same environment for every program: no desktop session, settings kept
# in memory, no accessibility bus.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1

# probe NAME ARGS...: one startprobe run with a fresh runtime folder; prints
# startprobe's line.
probe() {
  local name=$1
  shift
  local runtime
  runtime=$(mktemp -d "$out/runtime.XXXXXX")
  chmod 700 "$runtime"
  XDG_RUNTIME_DIR=$runtime "$probe" --log "$out/$name.log" "$@" || true
  rm -rf "$runtime"
}

# field LINE KEY: the value of KEY=... in a startprobe line.
field() { sed -n "s/.*\b$2=\([^ ]*\).*/\1/p" <<<"$1"; }

# One run: first paint and memory one second after the start.
measure_start() {
  local name=$1
  local line
  line=$(probe "$name" --rss-at 1000 --timeout 15000 -- "${programs[$name]}")
  echo "$name paint_ms $(field "$line" paint_ms)"
  echo "$name rss_kib $(field "$line" rss_kib)"
}

# The bare window, and the same window with a menu bar of the program's
# two Japanese menu titles in its font: what any window with such text costs.
measure_bare() {
  local name=$1
  shift
  local line
  line=$(probe "$name" --rss-at 1000 --timeout 15000 -- "$bare" "$@")
  echo "$name paint_ms $(field "$line" paint_ms)"
  echo "$name rss_kib $(field "$line" rss_kib)"
}

wait_gone() {
  local pid=$1
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 100); do
    [ -e "/proc/$pid" ] || return 0
    sleep 0.05
  done
  kill -KILL "$pid" 2>/dev/null || true
}

# visible_windows PID: how many windows of the program are on the screen.
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }

wait_windows() {
  local pid=$1 want=$2
  for _ in $(seq 100); do
    [ "$(visible_windows "$pid")" -eq "$want" ] && return 0
    sleep 0.05
  done
  return 1
}

# Tessra's memory after it opened a picture the way a player does: the
# window made large enough for the picture's pieces (without a window manager
# it sits at 200, 107 as it asks), the open button clicked, the file name
# typed into the dialog.
measure_loaded() {
  local picture=$1 width=$2 height=$3
  local runtime line pid wid
  runtime=$(mktemp -d "$out/runtime.XXXXXX")
  chmod 700 "$runtime"
  line=$(XDG_RUNTIME_DIR=$runtime "$probe" --keep --log "$out/tessra-load.log" -- "$tessra" || true)
  pid=$(field "$line" pid)
  wid=$(xdotool search --onlyvisible --pid "$pid" | head -1)
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  local menu=$((HEIGHT - 434))  # the client area is 434 high at first
  xdotool windowsize "$wid" "$width" "$height"
  sleep 0.5
  xdotool mousemove $((X + 24)) $((Y + menu + 24)) click 1
  if wait_windows "$pid" 2; then
    sleep 0.5
    xdotool type --delay 2 "$picture"
    xdotool key Return
  fi
  # Accepted when the dialog went and no message box came instead.
  local result=failed
  sleep 2
  if [ "$(visible_windows "$pid")" -eq 1 ]; then
    result=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  fi
  echo "tessra loaded_rss_kib $result"
  wait_gone "$pid"
  rm -rf "$runtime"
}

start_xvfb
picture=$out/picture-1920x1080.bmp
"$build/bench/tessra_bench" --write-picture 1920 1080 "$picture"

for name in "${order[@]}"; do probe "$name" --timeout 15000 -- "${programs[$name]}" >/dev/null; done
probe bare_window --timeout 15000 -- "$bare" >/dev/null
for _ in $(seq "$runs"); do
  for name in "${order[@]}"; do measure_start "$name"; done
  measure_bare bare_window
  measure_bare bare_menu --menu
done

for _ in 1 2 3; do
  measure_loaded "$picture" 1900 1000
  line=$(probe bare_window --rss-at 3000 --timeout 1000 -- "$bare" 1900 1000 "$picture")
  echo "bare_window loaded_rss_kib $(field "$line" rss_kib)"
done
