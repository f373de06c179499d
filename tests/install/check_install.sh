#!/usr/bin/env bash
# check_install.sh: installs a built tree into a scratch prefix and checks the
# game, desktop entry, metadata, icons, manual pages, documents and sample
# pictures, and nothing else, are there.
# Usage: check_install.sh CMAKE BUILD_DIR APP_ID ICON_NAME
set -uo pipefail
cmake=$1 build=$2 appId=$3 iconName=$4
. "$(dirname "$0")/tree_checks.sh"

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

if ! "$cmake" --install "$build" --prefix "$prefix" >/dev/null; then
  echo "FAIL: cmake --install into $prefix failed" >&2
  exit 1
fi
check_tree "$prefix" "$prefix" "$appId" "$iconName"

if [ "$failures" -ne 0 ]; then
  echo "check_install: $failures check(s) failed" >&2
  exit 1
fi
echo "check_install: the installed tree is complete and valid"
