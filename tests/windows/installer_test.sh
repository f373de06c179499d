#!/usr/bin/env bash
# installer_test.sh SETUP.EXE: installs Tessra silently for the current user
# in the tests' Wine prefix, finds the program, samples, licence, Start menu
# shortcut and uninstall key, then uninstalls silently and finds none of
# them left. Run by CTest in the Windows build.
set -euo pipefail
setup=$1
here=$(cd "$(dirname "$0")" && pwd)
run="$here/../../cmake/wine-run"
export TESSRA_WINEPREFIX=${TESSRA_WINEPREFIX:-$(cd "$(dirname "$setup")/.." && pwd)/tests/wineprefix}
prefix=$TESSRA_WINEPREFIX
user=$(id -un)
home="$prefix/drive_c/users/$user"
folder="$home/AppData/Local/Programs/Tessra"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tessra.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessra'
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
key_present() {
  WINEPREFIX=$prefix WINEDEBUG=-all /usr/lib/wine/wine64 reg query "$key" /v DisplayName >/dev/null 2>&1
}

# The installer makes the prefix's user folders on its first run too.
"$run" "$setup" /S
check "the program is installed" test -f "$folder/tessra.exe"
check "the samples are installed" test -n "$(ls "$folder/samples/"*.bmp 2>/dev/null)"
check "the licence is installed" test -f "$folder/LICENSE.txt"
check "the Start menu has the shortcut" test -f "$shortcut"
check "the uninstall key is registered" key_present

# The uninstaller copies itself away and goes on in the background: the
# folder's going is awaited, with a bound for a hang only.
"$run" "$folder/uninstall.exe" /S
for _ in $(seq 600); do
  [ -e "$folder" ] || break
  sleep 0.1
done
check "no file is left" test ! -e "$folder"
check "no shortcut is left" test ! -e "$shortcut"
check "no uninstall key is left" bash -c "! WINEPREFIX='$prefix' WINEDEBUG=-all /usr/lib/wine/wine64 reg query '$key' >/dev/null 2>&1"
[ "$failures" -eq 0 ]
