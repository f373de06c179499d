#!/usr/bin/env bash
# check_package.sh: builds the Debian package of a built tree into a scratch
# folder, checks its control fields and checks the tree it would install.
# Usage: check_package.sh CPACK BUILD_DIR APP_ID ICON_NAME
set -uo pipefail
cpack=$1 build=$2 appId=$3 iconName=$4
. "$(dirname "$0")/tree_checks.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  # The build step cpack runs first keeps its own log.
  find "$work/_CPack_Packages" -name PreinstallOutput.log -exec tail -n 30 {} + >&2
  echo "FAIL: cpack -G DEB failed" >&2
  exit 1
fi
debs=("$work"/tessra_*.deb)
if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAIL: expected one tessra_*.deb, found: ${debs[*]}" >&2
  exit 1
fi
deb=${debs[0]}

# field NAME: one control field of the package.
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = tessra ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = 1.0.0 ] || fail "Version is '$(field Version)', expected 1.0.0"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
for lib in libqt6widgets6 libqt6gui6 libqt6core6; do
  field Depends | grep -q "\b$lib\b" || fail "Depends lacks $lib: '$(field Depends)'"
done
field Recommends | grep -q 'fonts-ipafont-gothic | fonts-noto-cjk' ||
  fail "Recommends lacks a Japanese Gothic font: '$(field Recommends)'"
field Recommends | grep -q '\bqt6-translations-l10n\b' ||
  fail "Recommends lacks Qt's translations: '$(field Recommends)'"

dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr" "$appId" "$iconName"
if [ "$(find "$work/root" -mindepth 1 -maxdepth 1 -printf '%f\n')" != usr ]; then
  fail "the package installs outside /usr"
fi

if [ "$failures" -ne 0 ]; then
  echo "check_package: $failures check(s) failed" >&2
  exit 1
fi
echo "check_package: $(basename "$deb") is complete and valid"
