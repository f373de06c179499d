#!/usr/bin/env bash
# valgrind_session.sh: runs one scripted session of the program under
# valgrind's memcheck: the sample pictures opened through the tool bar, a
# deal, SLIDES slides through the board's mouse events, a broken and a too
# small picture refused, the About box, and the window closed, all in the
# program's own message loop (tests/soak/session_driver.cpp). Fails on any
# memory error and on memory definitely lost; what Qt keeps reachable until
# exit is not counted.
#
# Usage: tools/valgrind_session.sh [SLIDES]   (SLIDES: 1000)
# Builds into $TESSRA_VALGRIND_BUILD (build-valgrind/ by default), which is
# configured without sanitizers when new; an existing folder is used as it
# is configured, but never a sanitizer build, which cannot run under
# valgrind. The full report is written to valgrind-session.log there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSRA_VALGRIND_BUILD:-$root/build-valgrind}
slides=${1:-1000}

"$root/.ci/install-packages" valgrind
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSRA_SANITIZE=OFF \
    -DTESSRA_TESTS=ON >/dev/null
elif grep -q '^TESSRA_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "valgrind_session.sh: $build is a sanitizer build; valgrind cannot run it" >&2
  exit 2
fi
cmake --build "$build" --target session_driver -j"$(nproc)"

runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
log=$build/valgrind-session.log
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime \
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=30 \
  --log-file="$log" "$build/tests/session_driver" "$slides" || status=$?

sed -n '/HEAP SUMMARY/,$p' "$log"
case $status in
  0) echo "valgrind_session.sh: clean ($slides slides)" ;;
  99) echo "valgrind_session.sh: memory errors or leaks, see $log" ;;
  *) echo "valgrind_session.sh: the session failed (exit $status), see $log" ;;
esac
exit "$status"
