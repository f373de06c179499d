# tree_checks.sh: checks of an installed Tessra tree, sourced by the install
# and package checks. Each check prints what is wrong and counts a failure.

failures=0
sourceDir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# fail MESSAGE...: reports one failed check.
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# png_size FILE: prints "WIDTH HEIGHT" from the PNG header, or nothing when
# FILE does not start with the PNG signature and an IHDR chunk.
png_size() {
  local magic
  magic=$(od -An -tx1 -N16 "$1" | tr -d ' \n')
  [ "$magic" = "89504e470d0a1a0a0000000d49484452" ] || return 0
  od -An -tu4 --endian=big -j16 -N8 "$1" | awk '{print $1, $2}'
}

# desktop_value FILE KEY: prints the value of KEY in the [Desktop Entry] group.
desktop_value() {
  awk -v key="$2" '
    /^\[/ { inEntry = ($0 == "[Desktop Entry]") }
    inEntry && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
  ' "$1"
}

# check_file_list PREFIX EXPECTED...: PREFIX holds exactly the EXPECTED files.
check_file_list() {
  local prefix=$1
  shift
  local actual expected
  actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
  expected=$(printf '%s\n' "$@" | LC_ALL=C sort)
  if [ "$actual" != "$expected" ]; then
    fail "installed files differ from the expected list:"
    diff <(echo "$expected") <(echo "$actual") >&2 || true
  fi
}

# check_desktop_entry FILE ICON_NAME EXEC: validator plus the keys a menu needs.
check_desktop_entry() {
  local file=$1 icon=$2 exec=$3
  desktop-file-validate "$file" || fail "desktop-file-validate rejects $file"
  local key want
  for key in Type Name Exec Icon Terminal Categories; do
    case $key in
      Type) want=Application ;; Name) want=Tessra ;; Exec) want=$exec ;;
      Icon) want=$icon ;; Terminal) want=false ;; Categories) want="Game;LogicGame;" ;;
    esac
    [ "$(desktop_value "$file" "$key")" = "$want" ] ||
      fail "$key is '$(desktop_value "$file" "$key")', expected '$want'"
  done
  for key in Comment 'Comment[ja]'; do
    [ -n "$(desktop_value "$file" "$key")" ] || fail "$file has no $key"
  done
}

# check_metainfo PREFIX APP_ID: the validator, pedantic, with no warning;
# the entries software centres show; the screenshot, installed beside the
# documents, has the size the metainfo gives.
check_metainfo() {
  local prefix=$1 id=$2
  local file=$prefix/share/metainfo/$id.metainfo.xml report
  report=$(appstreamcli validate --pedantic --no-net "$file" 2>&1) ||
    fail "appstreamcli rejects $file: $report"
  if grep -q '^[EW]:' <<<"$report"; then
    fail "appstreamcli warns about $file: $report"
  fi
  local want
  for want in "<id>$id</id>" "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
      "<icon type=\"stock\">$id</icon>" '<summary xml:lang="ja">' '<content_rating type="oars-1.1"' \
      '<url type="homepage">' '<developer_name>' '<screenshot type="default">' \
      '<caption>' '<caption xml:lang="ja">'; do
    grep -qF "$want" "$file" || fail "$file lacks $want"
  done
  grep -qE '<release version="[^"]+" date="[0-9]{4}-[0-9]{2}-[0-9]{2}"' "$file" ||
    fail "$file has no dated release"
  local shot=$prefix/share/doc/tessra/screenshot.png size
  size=$(sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\1 \2/p' "$file")
  [ -n "$size" ] || fail "$file gives no screenshot with width and height"
  [ "$(png_size "$shot")" = "$size" ] ||
    fail "$shot is '$(png_size "$shot")', the metainfo says '$size'"
}

# changelog_field PREFIX FIELD: one field of the newest changelog entry.
changelog_field() {
  zcat "$1/share/doc/tessra/changelog.gz" | dpkg-parsechangelog -l - -S "$2"
}

# check_docs PREFIX: the manual pages render without a warning and name the
# lock file and the pictures; the changelog parses and its newest release
# is the one the metainfo and the manual pages announce; the copyright file
# is in Debian's machine-readable format.
check_docs() {
  local prefix=$1 page text warnings version
  local guard=$sourceDir/src/shell/instance_guard.h
  local lockName
  lockName="tessra-$(grep -o '{[0-9A-F-]*}' "$guard").lock"
  [ "$lockName" != tessra-.lock ] || fail "no lock name found in $guard"
  version=$(changelog_field "$prefix" Version) || fail "the changelog does not parse"
  for page in share/man/man6/tessra.6.gz share/man/ja/man6/tessra.6.gz; do
    [ -f "$prefix/$page" ] || continue
    gzip -t "$prefix/$page" || fail "$page is not a sound gzip file"
    # The same rendering lintian asks for, at a narrower width.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
               "$prefix/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page renders with warnings: $warnings"
    text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$prefix/$page" 2>/dev/null | col -b)
    local want
    for want in "$lockName" /usr/share/games/tessra/pictures/ "Tessra $version"; do
      grep -qF -- "$want" <<<"$text" || fail "$page does not mention '$want'"
    done
  done
  grep -qF "<release version=\"$version\" date=\"$(date -u +%F -d "$(changelog_field "$prefix" Date)")\">" \
    "$prefix/share/metainfo/"*.metainfo.xml ||
    fail "the metainfo does not list the changelog's newest release $version"
  local copyright=$prefix/share/doc/tessra/copyright
  [ "$(head -n 1 "$copyright")" = \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
    fail "$copyright is not in the machine-readable format"
  grep -q '^License: Expat$' "$copyright" || fail "$copyright does not name the Expat licence"
}

# check_icons PREFIX NAME...: every theme size exists as a PNG of that size
# under each NAME.
check_icons() {
  local prefix=$1 size png name
  shift
  for name in "$@"; do
    for size in 16 32 48 128 256; do
      png=$prefix/share/icons/hicolor/${size}x${size}/apps/$name.png
      if [ ! -f "$png" ]; then
        fail "missing icon $png"
      elif [ "$(png_size "$png")" != "$size $size" ]; then
        fail "$png is not a ${size}x${size} PNG (header: '$(png_size "$png")')"
      fi
    done
  done
}

# check_tree PREFIX LIVE_PREFIX APP_ID ICON_NAME: the whole tree installed
# under PREFIX, for a system that will see it under LIVE_PREFIX (the same
# folder, or /usr for a package unpacked elsewhere).
check_tree() {
  local prefix=$1 live=$2 id=$3 icon=$4 size
  local icons=() name pictures=() picture
  for picture in "$sourceDir"/samples/*.bmp; do
    pictures+=("share/games/tessra/pictures/$(basename "$picture")")
  done
  [ -f "$sourceDir/samples/$(basename "${pictures[0]}")" ] ||
    fail "no sample pictures in $sourceDir/samples"
  for size in 16 32 48 128 256; do
    for name in "$id" "$icon"; do
      icons+=("share/icons/hicolor/${size}x${size}/apps/$name.png")
    done
  done
  check_file_list "$prefix" games/tessra "share/applications/$id.desktop" \
    "share/metainfo/$id.metainfo.xml" share/doc/tessra/copyright \
    share/doc/tessra/changelog.gz share/doc/tessra/screenshot.png \
    share/man/man6/tessra.6.gz share/man/ja/man6/tessra.6.gz \
    "${icons[@]}" "${pictures[@]}"
  for picture in "${pictures[@]}"; do
    cmp -s "$prefix/$picture" "$sourceDir/samples/$(basename "$picture")" ||
      fail "$picture differs from the sample it was installed from"
  done
  [ -x "$prefix/games/tessra" ] || fail "$prefix/games/tessra is not executable"
  [ -f "$prefix/share/applications/$id.desktop" ] &&
    check_desktop_entry "$prefix/share/applications/$id.desktop" "$id" "$live/games/tessra"
  [ -f "$prefix/share/metainfo/$id.metainfo.xml" ] && check_metainfo "$prefix" "$id"
  check_icons "$prefix" "$id" "$icon"
  check_docs "$prefix"
  # The tree as a whole: the metadata finds its desktop entry and icon.
  appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree rejects $prefix"
}
