#!/usr/bin/env bash
# build_and_test.sh DIR: cross-compiles Tessra for Windows into DIR with
# MinGW-w64 and runs its tests under Wine, all of them on one private X
# server, with a Wine prefix of the build's own.
set -euo pipefail
cd "$(dirname "$0")/../.."
dir=${1:-build-win}

echo "== $dir: configure and build (MinGW-w64)"
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
export TESSRA_WINEPREFIX=$PWD/$dir/wineprefix

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; WINEPREFIX=$TESSRA_WINEPREFIX /usr/lib/wine/wineserver64 -k 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.05
done
export DISPLAY=":$(head -n 1 "$displayfile")"

# Test discovery runs the test programs under Wine as they are linked.
cmake --build "$dir" -j"$(nproc)"
echo "== $dir: tests under Wine"
ctest --test-dir "$dir" --output-on-failure -j2 --timeout 120
