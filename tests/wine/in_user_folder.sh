#!/usr/bin/env bash
# in_user_folder.sh PATH_FILE COMMAND...: runs a test script whose temporary folders (mktemp)
# lie in the Windows user's own temporary folder of the prefix, so that every path the script
# hands to a Windows program holds the user's name.
set -u
path_file=$1
shift
source "$(dirname "$0")/wine_user.sh"
export TMPDIR
TMPDIR="$(cat "$path_file")/drive_c/users/$USER/AppData/Local/Temp"
mkdir -p "$TMPDIR"
exec "$@"
