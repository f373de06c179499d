#!/usr/bin/env bash
# build-windows.sh: builds Tessra for Windows on Debian 12 with MinGW-w64
# into build-windows/: the program tessra.exe, and in build-windows/dist/
# its installer and a portable zip. Installs what is missing with apt-get.
set -euo pipefail
cd "$(dirname "$0")"
.ci/install-packages cmake make python3 g++-mingw-w64-x86-64-posix nsis
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DTESSRA_TESTS=OFF
cmake --build build-windows -j"$(nproc)"
echo "build-windows.sh: built build-windows/tessra.exe and, in build-windows/dist/:"
ls build-windows/dist
