#!/usr/bin/env bash
# test.sh: installs what the build and tests need, then builds and runs the
# whole test suite twice, headless: once optimised (build/, as ./run.sh builds it) and once with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer (build-asan/).
# Then the picture loader runs under the fuzzer: the committed regression
# inputs and the generated corpus, then 15000 runs from a fixed seed (build-fuzz/).
# Last, the Windows build (build-win/), cross-compiled with MinGW-w64, whose
# tests run under Wine on a private X server.
set -euo pipefail
cd "$(dirname "$0")"
started=$SECONDS

mapfile -t packages < .ci/packages
.ci/install-packages "${packages[@]}"

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
  export XDG_RUNTIME_DIR
fi

jobs=$(nproc)
failed=()

# build_and_test DIR CMAKE-ARGS...: configure, build and run CTest in DIR.
build_and_test() {
  local dir=$1
  shift
  echo "== $dir: configure and build"
  cmake -S . -B "$dir" -DTESSRA_TESTS=ON "$@" &&
    cmake --build "$dir" -j"$jobs" &&
    echo "== $dir: tests" &&
    ctest --test-dir "$dir" --output-on-failure -j2
}

if ! build_and_test build -DCMAKE_BUILD_TYPE=Release -DTESSRA_SANITIZE=OFF; then
  failed+=(build)
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if ! build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DTESSRA_SANITIZE=ON; then
  failed+=(build-asan)
fi

if ! fuzz/run.sh check; then
  failed+=(fuzz)
fi

unset ASAN_OPTIONS UBSAN_OPTIONS
if ! tests/windows/build_and_test.sh build-win; then
  failed+=(build-win)
fi

elapsed=$((SECONDS - started))
if [ "${#failed[@]}" -ne 0 ]; then
  echo "test.sh: FAILED in ${failed[*]} (${elapsed} s)"
  exit 1
fi
echo "test.sh: all tests passed in build, build-asan and build-win, fuzzer clean (${elapsed} s)"
