#!/usr/bin/env bash
# leaves_no_file.sh: plays one session of the real program as a player would,
# on a private X server with an empty home: open a picture through the File
# dialog, shuffle, close. Afterwards the home, where every XDG folder lies,
# must be as empty as before.
# Usage: leaves_no_file.sh TESSRA PICTURE
set -euo pipefail
tessra=$1
picture=$(realpath "$2")
work=$(mktemp -d)
xvfbPid=
gamePid=
cleanup() {
  [ -n "$gamePid" ] && kill "$gamePid" 2>/dev/null
  [ -n "$xvfbPid" ] && kill "$xvfbPid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "leaves_no_file: $*" >&2; exit 1; }

mkdir -m 700 "$work/home" "$work/runtime"
# Without -noreset a few per cent of new connections fail.
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfbPid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "no X server"
export DISPLAY=:$(cat "$work/display")

# A session bus of its own, as a desktop session has: without one the bus
# library would note an address of its own in the home.
dbus-run-session -- env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
  -u QT_QPA_PLATFORM HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" "$tessra" &
gamePid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tessra$' | head -n 1)
[ -n "$window" ] || fail "no main window"

# Tool-bar buttons in window coordinates: open picture, shuffle, close.
xdotool mousemove --window "$window" 24 42 click 1
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name 'を開く' | head -n 1)
[ -n "$dialog" ] || fail "no open dialog"
# No window manager gives the dialog the keyboard; its file-name box has the focus.
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$picture"
xdotool key Return
for _ in $(seq 100); do
  xdotool search --onlyvisible --name 'を開く' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name 'を開く' >/dev/null 2>&1 && fail "the open dialog stayed"
xdotool mousemove --window "$window" 64 42 click 1
sleep 0.5
xdotool mousemove --window "$window" 104 42 click 1
for _ in $(seq 300); do kill -0 "$gamePid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$gamePid" 2>/dev/null && fail "the program did not close"
wait "$gamePid" || fail "the program exited with code $?"
gamePid=

left=$(cd "$work/home" && find . -mindepth 1)
[ -z "$left" ] || fail "the session left files in the home: $left"
echo "leaves_no_file: the home is empty after a session"
