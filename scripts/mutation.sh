#!/usr/bin/env bash
# Sampled mutation run over the named source files or folders (a folder means its .cpp files):
#   scripts/mutation.sh [--max-per-file N] [--max-total N] [--seed S] [--timeout SECONDS]
#                       [--list] FILE...
# Each mutant is planted in a copy of the sources under build/mutation/tree, so the working tree
# is never touched; the copy is brought back in step with the sources at the start of every run,
# so even a run killed mid-mutant leaves nothing behind. Not part of scripts/test.sh.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$root/build/mutation"
mkdir -p "$work"

if [ $# -eq 0 ]; then
  sed -n '2,4p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi

"$root/scripts/deps.sh"
command -v ccache >/dev/null && export CCACHE_BASEDIR="$root"

# The Python tool restores the mutated file of the copy itself; this ends its whole process
# group (the build and the test program included) when the run is interrupted.
python3 "$root/scripts/mutate.py" --root "$root" --work "$work" "$@" &
child=$!
trap 'kill -TERM "$child" 2>/dev/null; wait "$child"; exit 130' INT TERM
wait "$child"
