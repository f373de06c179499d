#!/usr/bin/env bash
# second_copy_test.sh TESSRA.EXE: with one copy of the program running under
# Wine, a second copy ends by itself with exit code 0 and shows no window;
# after the first has gone, a new copy runs. Run by CTest in the Windows
# build; needs DISPLAY (test.sh gives one) and xdotool.
set -euo pipefail
exe=$1
run="$(cd "$(dirname "$0")" && pwd)/../../cmake/wine-run"
first=
cleanup() {
  if [ -n "$first" ]; then kill "$first" 2>/dev/null || true; fi
  WINEPREFIX=$TESSRA_WINEPREFIX /usr/lib/wine/wineserver64 -k 2>/dev/null || true
}
trap cleanup EXIT

# The program's windows on the display: the main window and the hidden
# application window that carries its title.
windows() { xdotool search --onlyvisible --name '^Tessra$' 2>/dev/null | wc -l; }
# Waits, with a bound for a hang only, until `windows` gives at least $1
# (exactly none for 0).
await_windows() {
  for _ in $(seq 600); do
    local n
    n=$(windows)
    if [ "$1" -eq 0 ] && [ "$n" -eq 0 ]; then return 0; fi
    if [ "$1" -gt 0 ] && [ "$n" -ge "$1" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

"$run" "$exe" &
first=$!
await_windows 1 || { echo "FAILED: the first copy showed no window"; exit 1; }
sleep 1  # its windows all up
shown=$(windows)
status=0
timeout 120 "$run" "$exe" || status=$?
if [ "$status" -ne 0 ]; then echo "FAILED: the second copy ended with $status"; exit 1; fi
[ "$(windows)" -eq "$shown" ] || { echo "FAILED: the second copy showed a window"; exit 1; }
echo "ok: a second copy ends at once with exit code 0"

# The first copy ends, killed with every process of the prefix; the mutex
# goes with it.
WINEPREFIX=$TESSRA_WINEPREFIX /usr/lib/wine/wineserver64 -k 2>/dev/null || true
kill "$first" 2>/dev/null || true
wait "$first" 2>/dev/null || true
first=
await_windows 0 || { echo "FAILED: the first copy's window stayed"; exit 1; }
"$run" "$exe" &
first=$!
await_windows 1 || { echo "FAILED: a copy after the first did not run"; exit 1; }
echo "ok: after the first copy a new one runs"
