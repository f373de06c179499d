#!/usr/bin/env bash
# run.sh: installs what the build needs, builds Tessra (Release) into build/
# and starts it. build/ is configured as ./test.sh configures it, so the two
# never make each other rebuild everything; only the game itself is built here.
set -euo pipefail
cd "$(dirname "$0")"

mapfile -t packages < .ci/packages
.ci/install-packages "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target tessra -j"$(nproc)"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
fi
exec ./build/tessra
