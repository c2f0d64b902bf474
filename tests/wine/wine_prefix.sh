#!/usr/bin/env bash
# wine_prefix.sh create|remove PATH_FILE
# Makes a fresh Wine prefix in a temporary folder and writes its path to PATH_FILE, or ends the
# prefix's Wine processes and removes it. A prefix is set up here, never by hand: Wine's own
# Tahoma in its font folder (the program's interface font), no crash dialog or debugger to wait
# for, and a virtual desktop so that windows stay inside one X window.
set -euo pipefail
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
  export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
  # No display while the prefix is made: nothing may wait for a click.
  env -u DISPLAY -u WAYLAND_DISPLAY wineboot --init >/dev/null 2>&1
  wineserver -w
  local fonts=/usr/share/wine/fonts
  cp "$fonts"/tahoma.ttf "$fonts"/tahomabd.ttf "$prefix/drive_c/windows/Fonts/"
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

"$action"
