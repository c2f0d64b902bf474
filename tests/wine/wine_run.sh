#!/usr/bin/env bash
# wine_run.sh PATH_FILE PROGRAM.exe [ARGS...]: runs a Windows program in the prefix named in
# PATH_FILE (made by wine_prefix.sh) and exits with the program's exit code. Wine's menu builder is
# off: menu entries of what is installed in the prefix must not reach the real home.
set -uo pipefail
path_file=$1
shift
source "$(dirname "$0")/wine_user.sh"
[ -f "$path_file" ] || { echo "no Wine prefix: $path_file is missing" >&2; exit 1; }
export WINEPREFIX
WINEPREFIX=$(cat "$path_file")
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe,winemenubuilder.exe="
exec wine "$@"
