#!/usr/bin/env bash
# unicode_paths_test.sh PELORINCTL.exe PATH_FILE: pelorinctl.exe for the prefix's user, whose
# name no ANSI code page holds: it saves in the default data folder under that user's roaming
# folder and lists the profiles by name; it takes data folders named in Cyrillic and Chinese as
# the system hands them over; it exports the macro library to such a file name, leaving no
# temporary beside it; and a cut-off save's temporary of such a name is cleaned at the next start.
set -u
ctl=$1
path_file=$2
here=$(dirname "$0")
source "$here/wine_user.sh"
users="$(cat "$path_file")/drive_c/users/$USER"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$here/wine_console.sh" "$path_file" "$ctl" "$@" >"$out" 2>&1; }
# utf16_has FILE TEXT: the UTF-16 file (with its byte-order mark) holds TEXT.
utf16_has() { [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" = fffe ] &&
  iconv -f UTF-16 -t UTF-8 "$1" | grep -qF "$2"; }

data="$users/AppData/Roaming/PelorinData20231030A"
rm -rf "$data"
run --simulate set polling 500 || fail "set polling in the default data folder: $(cat "$out")"
for file in config.ini default0.psf Lan_EN.txt; do
  [ -f "$data/config/$file" ] || fail "$file was not saved in the user's data folder"
done
utf16_has "$data/config/default0.psf" "PollingRateValue=02" || fail "polling 500 was not saved"
run profile list || fail "profile list: $(cat "$out")"
grep -Eq '^\* 1  [^ ]' "$out" || fail "the profiles have no names: $(cat "$out")"

folder='Данные 数据'
run --simulate --data-dir "C:\\users\\$USER\\$folder" set polling 250 ||
  fail "set polling with --data-dir $folder: $(cat "$out")"
utf16_has "$users/$folder/config/default0.psf" "PollingRateValue=01" ||
  fail "nothing saved in $users/$folder: $(ls -R "$users" | head -20)"
stray="$users/$folder/config/Perfil é 配置.psf.tmp999999999"
: >"$stray"
run --data-dir "C:\\users\\$USER\\$folder" config show || fail "config show: $(cat "$out")"
grep -qF "$folder" "$out" || fail "config show names another folder: $(head -1 "$out")"
[ ! -e "$stray" ] || fail "the stale temporary '$(basename "$stray")' was not cleaned"

library="Macros_é 宏.mbf"
run --data-dir "C:\\users\\$USER\\$folder" macro export-all "C:\\users\\$USER\\$library" ||
  fail "macro export-all to $library: $(cat "$out")"
utf16_has "$users/$library" "[MacroLibrary]" || fail "$library was not written"
[ -z "$(find "$users" -maxdepth 1 -name 'Macros_*' ! -name "$library")" ] ||
  fail "the export left $(find "$users" -maxdepth 1 -name 'Macros_*' ! -name "$library")"

[ "$failures" -eq 0 ] && echo "pelorinctl.exe for user '$USER': data folders and files named in any script"
[ "$failures" -eq 0 ]
