#!/usr/bin/env bash
# Formats every C++ file of the repository with its .clang-format; --check only reports files
# that are not formatted and fails when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.h' '*.cpp')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run -Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
