#!/usr/bin/env bash
# menu_keys_probe.sh: counts how often a menu's access keys act on the first
# press while Orca runs, as a blind player would press them. Run by hand: it
# depends on timing (Orca answers every key over D-Bus), so it is no part of
# ./test.sh. Needs the packages orca, openbox, xvfb, xdotool, dbus-daemon.
#
#   tests/menu_keys_probe.sh [PROGRAM] [TRIES] [MENU-KEY ITEM-KEY WINDOW-NAME [CLOSE-KEY]]
#
# PROGRAM defaults to build/tessra, TRIES to 20, the keys to Alt+F then O,
# which should bring up the open dialog "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開く". Each try
# presses the two keys half a second apart, counts the try if Orca speaks the
# window's name within 4 s, and closes it (or the menu) with Escape. ORCA_LOG=FILE
# keeps Orca's debug log (its `SPEECH OUTPUT` lines); NO_ORCA=1 runs the same
# tries without a screen reader.
# Prints "N of TRIES" and exits 0 when every try acted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/tessra}")
tries=${2:-20}
menu_key=${3:-alt+f}
item_key=${4:-o}
window=${5:-ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開く}
close_key=${6:-Escape}
display=:${PROBE_DISPLAY:-57}
# xdotool matches window names as regular expressions in the locale's encoding.
export LC_ALL=C.UTF-8

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher"
chmod 700 "$XDG_RUNTIME_DIR"
# No sound here: a speech module that fails at once, so that Orca logs what
# it would say without waiting for a synthesiser.
printf 'DefaultModule dummy\nAudioOutputMethod "alsa"\n' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

Xvfb "$display" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 1

inner=$work/inner.sh
cat >"$inner" <<'EOF'
set -u
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 2
[ -n "${NO_ORCA:-}" ] || orca --replace --debug-file="$ORCA_DEBUG" >/dev/null 2>&1 &
sleep 6
env -u LC_ALL LANG=ja_JP.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PROGRAM" >/dev/null 2>&1 &
app=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tessra$' | head -1)
sleep 3
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
sleep 1
# A window came up: Orca spoke its name (what a blind player hears), or,
# without Orca, xdotool sees it.
spoken=0
came_up() {
  if [ -n "${NO_ORCA:-}" ]; then
    [ -n "$(xdotool search --onlyvisible --name "$WINDOW" 2>/dev/null)" ]
    return
  fi
  local now
  now=$(grep -c "SPEECH OUTPUT: '$WINDOW" "$ORCA_DEBUG" || true)
  [ "$now" -gt "$spoken" ] && spoken=$now
}
acted=0
for i in $(seq "$TRIES"); do
  xdotool key "$MENU_KEY"
  sleep 0.5
  xdotool key "$ITEM_KEY"
  result=nothing
  for _ in $(seq 40); do
    if came_up; then
      acted=$((acted + 1))
      result=acted
      break
    fi
    sleep 0.1
  done
  echo "try $i: $result"
  [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/try$i.png"
  if [ "$result" = acted ]; then xdotool key "$CLOSE_KEY"; else xdotool key Escape; fi
  sleep 0.7
  if [ -n "$(xdotool search --onlyvisible --name "$WINDOW" 2>/dev/null)" ]; then
    xdotool key Escape; sleep 0.7
  fi
  came_up || true
  xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
  sleep 0.3
done
kill "$app" 2>/dev/null
echo "$acted of $TRIES"
[ "$acted" -eq "$TRIES" ]
EOF
export PROGRAM=$program TRIES=$tries MENU_KEY=$menu_key ITEM_KEY=$item_key WINDOW=$window CLOSE_KEY=$close_key
export ORCA_DEBUG=${ORCA_LOG:-$work/orca.log}
dbus-run-session -- bash "$inner"
