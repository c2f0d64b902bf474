#!/usr/bin/env bash
# resources_test.sh OBJDUMP WINDRES VERSION SYMBOLS PROGRAM.exe...: each program carries the
# resources the shell and the loader read (an icon with its group, version information of the
# project's version, a manifest asking for common controls 6, per-monitor DPI awareness v2 and
# UTF-8 as the code page). A program of the stripped folder has no debug sections, only a
# debug link to its symbols file in SYMBOLS. Prints each program's imports and resource types.
set -u
objdump=$1
windres=$2
version=$3
symbols=$4
shift 4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Resource types by number: 3 icon, 14 icon group, 16 version information, 24 manifest.
type_name() { case $1 in 3) echo icon ;; 14) echo icon-group ;; 16) echo version ;;
  24) echo manifest ;; *) echo "type-$1" ;; esac; }

for exe in "$@"; do
  name=$(basename "$exe")
  echo "== $exe ($(stat -c %s "$exe") bytes)"
  echo "imports: $("$objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p' | sort -f | tr '\n' ' ')"
  types=$("$objdump" -p "$exe" | sed -n 's/^[0-9a-f]*   Entry: ID: 0x0*\([0-9a-f]*\),.*/\1/p' |
    while read -r id; do type_name $((16#$id)); done | tr '\n' ' ')
  echo "resources: $types"
  for wanted in icon icon-group version manifest; do
    [[ " $types " == *" $wanted "* ]] || fail "$name has no $wanted resource"
  done
  rc=$("$windres" -J coff -O rc -i "$exe" 2>&1)
  grep -q "FILEVERSION ${version//./, }, 0" <<<"$rc" || fail "$name: file version is not $version"
  grep -q "\"ProductVersion\", \"$version\"" <<<"$rc" || fail "$name: product version is not $version"
  for text in '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2' \
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    '<activeCodePage xmlns="http://schemas.microsoft.com/SMI/2019/WindowsSettings">UTF-8<'; do
    grep -aqF "$text" "$exe" || fail "$name: the manifest lacks $text"
  done
  sections=$("$objdump" -h "$exe")
  if [[ "$exe" == */stripped/* ]]; then
    grep -q ' \.debug_' <<<"$sections" && fail "$name is installed with debug sections"
    grep -q ' \.gnu_debuglink' <<<"$sections" || fail "$name has no link to its symbols"
    "$objdump" -h "$symbols/${name%.exe}.debug" | grep -q ' \.debug_info' ||
      fail "$symbols/${name%.exe}.debug holds no debug information"
  fi
done
[ "$failures" -eq 0 ]
