#!/usr/bin/env bash
# wine_prefix.sh create|tahoma|remove PATH_FILE
# Makes a fresh Wine prefix in a temporary folder and writes its path to PATH_FILE, puts Wine's
# own Tahoma (the program's interface font) into its font folder, or ends the prefix's Wine
# processes and removes it. A prefix is set up here, never by hand: a user name outside the
# ANSI code pages (wine_user.sh), no crash dialog or debugger to wait for, and a virtual desktop
# so that windows stay inside one X window. A fresh prefix has no Tahoma, like some Windows
# editions: the suites before the tahoma step run without it.
set -euo pipefail
source "$(dirname "$0")/wine_user.sh"
action=$1
path_file=$2

remove() {
  [ -f "$path_file" ] || return 0
  local prefix
  prefix=$(cat "$path_file")
  case "$prefix" in
    */pelorin-wine.*) ;;
    *) echo "refusing to remove '$prefix'" >&2; return 1 ;;
  esac
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  rm -rf "$prefix" "$path_file"
}

create() {
  command -v wine >/dev/null || { echo "wine is not installed (scripts/deps.sh)" >&2; return 1; }
  remove
  local prefix
  prefix=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-wine.XXXXXX")
  export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe,winemenubuilder.exe="
  # No display while the prefix is made: nothing may wait for a click.
  env -u DISPLAY -u WAYLAND_DISPLAY wineboot --init >/dev/null 2>&1
  wineserver -w
  local reg=$prefix/setup.reg
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winedbg.exe"=""

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"
REG
  env -u DISPLAY regedit "$reg" >/dev/null 2>&1
  wineserver -w
  echo "$prefix" >"$path_file"
}

tahoma() {
  local prefix fonts=/usr/share/wine/fonts
  prefix=$(cat "$path_file")
  cp "$fonts"/tahoma.ttf "$fonts"/tahomabd.ttf "$prefix/drive_c/windows/Fonts/"
  # Fonts are listed when a program starts; none of the prefix's may run on with the old list.
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
}

"$action"
