#!/usr/bin/env bash
# installer_test.sh SETUP.exe PATH_FILE OUT: the installer, silent, in the test prefix (menu
# entries stay inside it: winemenubuilder is off in wine_run.sh): the programs, skins, language
# files and guide land under Program Files with a Start-menu entry that starts in the program's
# folder and no start with Windows (not chosen); the installed pelorinctl.exe runs against the
# simulated mouse. With the installed pelorin.exe running, installing again and then
# uninstalling each make it exit first; the uninstaller leaves nothing in Program Files.
# Exit 77 when Xvfb is missing (the running program needs a display).
set -u
setup=$1
path_file=$2
out=$3
here=$(dirname "$0")
source "$here/wine_user.sh"
source "$here/../support/display_session.sh"
source "$here/wine_display.sh"
need Xvfb
rm -rf "$out" && mkdir -p "$out"
start_display 1280x1024
wine_display "$path_file"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
program="$WINEPREFIX/drive_c/Program Files/Pelorin"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pelorin"
exe='C:\Program Files\Pelorin\pelorin.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelorin'
# await_gone PID: the process ends within 30 s.
await_gone() {
  for _ in $(seq 1 300); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}
# start_program: the installed pelorin.exe, until its first status answer (its window is up).
start_program() {
  "$here/wine_run.sh" "$path_file" "$exe" --simulate --trace --data-dir "$out/data" \
    >"$out/trace.log" 2>&1 &
  running=$!
  pids+=("$running")
  for _ in $(seq 1 300); do
    grep -q '^< cable ' "$out/trace.log" && return 0
    sleep 0.1
  done
  fail "the installed pelorin.exe did not start: $(tail -5 "$out/trace.log")"
}

"$here/wine_run.sh" "$path_file" "$setup" /S || fail "the installer failed"
for file in pelorin.exe pelorinctl.exe uninstall.exe lang/Lan_EN.txt lang/Lan.txt \
  guide/index.html skins/mouse/mouse_nr.png; do
  [ -f "$program/$file" ] || fail "$file was not installed"
done
[ "$(find "$program/skins" -name '*.png' | wc -l)" -ge 70 ] || fail "the skins were not installed"
[ ! -e "$program/skins/.rendered" ] || fail "the build's stamp was installed"
[ -f "$menu/Pelorin.lnk" ] || fail "no Start-menu entry"
# The shortcut's working folder, among its UTF-16 strings.
strings -el "$menu/Pelorin.lnk" | grep -qxF 'C:\Program Files\Pelorin' ||
  fail "the Start-menu entry starts elsewhere: $(strings -el "$menu/Pelorin.lnk" | tr '\n' ' ')"
if "$here/wine_run.sh" "$path_file" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' \
  /v Pelorin >/dev/null 2>&1; then
  fail "start with Windows was set without being chosen"
fi
if find "$HOME/.local/share/applications" -name 'wine-*Pelorin*' 2>/dev/null | grep -q .; then
  fail "menu entries were written into $HOME"
fi

# Started by their Windows paths, as the Start menu would.
"$here/wine_console.sh" "$path_file" 'C:\Program Files\Pelorin\pelorinctl.exe' --simulate \
  --data-dir "$out/ctl" status >"$out/status.txt" 2>&1 ||
  fail "the installed pelorinctl.exe failed"
grep -q '^identification: T7K4$' "$out/status.txt" ||
  fail "the installed pelorinctl.exe said: $(cat "$out/status.txt")"

start_program
"$here/wine_run.sh" "$path_file" "$setup" /S || fail "installing over the running program failed"
await_gone "$running" || fail "installing again left the old program running"

start_program
"$here/wine_run.sh" "$path_file" 'C:\Program Files\Pelorin\uninstall.exe' /S ||
  fail "the uninstaller failed"
await_gone "$running" || fail "the uninstaller left the program running"
# The uninstaller runs on from a copy of itself, which ends when it is done.
for _ in $(seq 1 300); do
  [ -e "$program" ] || break
  sleep 0.1
done
[ ! -e "$program" ] || fail "the uninstaller left $(find "$program" | head -5)"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu entry"
if "$here/wine_run.sh" "$path_file" reg query "$uninstall_key" >/dev/null 2>&1; then
  fail "the program is still listed as installed"
fi

[ "$failures" -eq 0 ] && echo "installer: installed, ran, replaced and uninstalled a running copy"
[ "$failures" -eq 0 ]
