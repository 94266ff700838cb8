#!/usr/bin/env bash
# Fails when a C++ file is not formatted as .clang-format says.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || true)
[ -n "$files" ] || exit 0
bad=$(echo "$files" | xargs clang-format --dry-run 2>&1 | grep -c 'warning:' || true)
if [ "$bad" -ne 0 ]; then
  echo "clang-format: $bad places differ; run scripts/format.sh" >&2
  echo "$files" | xargs clang-format --dry-run 2>&1 | grep 'warning:' | head -20 >&2
  exit 1
fi
