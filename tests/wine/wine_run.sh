#!/usr/bin/env bash
# wine_run.sh PATH_FILE PROGRAM.exe [ARGS...]: runs a Windows program in the prefix named in
# PATH_FILE (made by wine_prefix.sh) and exits with the program's exit code.
set -uo pipefail
path_file=$1
shift
[ -f "$path_file" ] || { echo "no Wine prefix: $path_file is missing" >&2; exit 1; }
export WINEPREFIX
WINEPREFIX=$(cat "$path_file")
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
exec wine "$@"
