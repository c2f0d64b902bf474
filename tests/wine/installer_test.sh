#!/usr/bin/env bash
# installer_test.sh SETUP.exe PATH_FILE: the installer, silent, in the test prefix: the programs,
# skins, language files and guide land under Program Files with a Start-menu entry and no start
# with Windows (not chosen); the installed pelorinctl.exe runs against the simulated mouse; the
# uninstaller takes it all away again.
set -u
setup=$1
path_file=$2
here=$(dirname "$0")
export WINEPREFIX
WINEPREFIX=$(cat "$path_file")
export WINEDEBUG=-all
unset DISPLAY

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
program="$WINEPREFIX/drive_c/Program Files/Pelorin"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pelorin"

"$here/wine_run.sh" "$path_file" "$setup" /S || fail "the installer failed"
wineserver -w
for file in pelorin.exe pelorinctl.exe uninstall.exe lang/Lan_EN.txt lang/Lan.txt \
  guide/index.html skins/mouse/mouse_nr.png; do
  [ -f "$program/$file" ] || fail "$file was not installed"
done
[ "$(find "$program/skins" -name '*.png' | wc -l)" -ge 70 ] || fail "the skins were not installed"
[ ! -e "$program/skins/.rendered" ] || fail "the build's stamp was installed"
[ -f "$menu/Pelorin.lnk" ] || fail "no Start-menu entry"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Pelorin >/dev/null 2>&1; then
  fail "start with Windows was set without being chosen"
fi

# Started by their Windows paths, as the Start menu would.
"$here/wine_console.sh" "$path_file" 'C:\Program Files\Pelorin\pelorinctl.exe' --simulate \
  --data-dir "$(mktemp -d)" status >"$WINEPREFIX/status.txt" 2>&1 ||
  fail "the installed pelorinctl.exe failed"
grep -q '^identification: T7K4$' "$WINEPREFIX/status.txt" || fail "the installed pelorinctl.exe said: $(cat "$WINEPREFIX/status.txt")"

"$here/wine_run.sh" "$path_file" 'C:\Program Files\Pelorin\uninstall.exe' /S || fail "the uninstaller failed"
wineserver -w
[ ! -e "$program" ] || fail "the uninstaller left $(find "$program" | head -5)"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu entry"

[ "$failures" -eq 0 ] && echo "installer: installed, ran and uninstalled"
[ "$failures" -eq 0 ]
