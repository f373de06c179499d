#!/usr/bin/env bash
# take_screenshot.sh: makes docs/screenshot.png, a game in progress, on a
# private X server: opens a sample picture through the File dialog, shuffles
# and grabs the main window alone.
# Usage: docs/take_screenshot.sh [TESSRA [PICTURE [OUTPUT [DISPLAY]]]]
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tessra=${1:-$here/../build/tessra}
picture=$(realpath "${2:-$here/../samples/landscape.bmp}")
output=${3:-$here/screenshot.png}
display=${4:-:97}

# Tool-bar buttons in window coordinates: open picture, shuffle.
openButton=(24 42)
shuffleButton=(64 42)

runtime=$(mktemp -d)
chmod 700 "$runtime"
xvfbPid=
gamePid=
cleanup() {
  [ -n "$gamePid" ] && kill "$gamePid" 2>/dev/null
  [ -n "$xvfbPid" ] && kill "$xvfbPid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

# Without -noreset a few per cent of new connections fail.
Xvfb "$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
xvfbPid=$!
export DISPLAY=$display
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

# The game allows one copy per runtime folder, so it gets a folder of its own.
XDG_RUNTIME_DIR=$runtime "$tessra" &
gamePid=$!
window=$(timeout 20 xdotool search --sync --name '^Tessra$' | head -n 1)

xdotool mousemove --window "$window" "${openButton[@]}" click 1
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name 'を開く' | head -n 1)
# There is no window manager to give the dialog the keyboard; the file-name
# box is the dialog's focus widget, so focusing the window reaches it.
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$picture"
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name 'を開く' >/dev/null 2>&1 || break
  sleep 0.1
done

xdotool mousemove --window "$window" "${shuffleButton[@]}" click 1
# Park the pointer off the window so no hover highlight lands in the picture.
xdotool mousemove 1000 750
sleep 1
import -window "$window" "$runtime/window.png"
convert "$runtime/window.png" -strip "PNG24:$output"
echo "take_screenshot: wrote $output"
