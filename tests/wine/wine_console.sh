#!/usr/bin/env bash
# wine_console.sh PATH_FILE PROGRAM.exe [ARGS...]: wine_run.sh for a console program whose output
# is checked line by line: the carriage returns of Windows line ends are taken off both streams.
# Exits with the program's exit code.
set -uo pipefail
here=$(dirname "$0")
"$here/wine_run.sh" "$@" 2> >(tr -d '\r' >&2) | tr -d '\r'
status=${PIPESTATUS[0]}
wait
exit "$status"
