#!/usr/bin/env bash
# Every system call goes through core/system, the seam to the operating system: fails, naming
# each file and line, when another production source includes a POSIX or Linux header.
# Tests, benchmarks and fuzz targets may call the system directly.
# Usage: check-system-calls.sh [--list]   (--list prints what is left and always succeeds)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

list=false
case "${1:-}" in
  --list) list=true ;;
  "") ;;
  *) echo "usage: $0 [--list]" >&2; exit 2 ;;
esac

headers='unistd\.h|fcntl\.h|sys/[^>]+|dirent\.h|signal\.h|csignal|linux/[^>]+|poll\.h|sched\.h'
headers+='|pthread\.h|spawn\.h|termios\.h|pwd\.h|grp\.h'
pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*<($headers)>"

# Tracked files and new ones not yet added, so the check also sees work in progress.
found=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
  grep -Ev '^(core/system|tests|bench|fuzz)/' |
  while IFS= read -r file; do
    [ -f "$file" ] && grep -EHn "$pattern" "$file" || true
  done)

if [ -z "$found" ]; then
  $list && echo "No production source outside core/system includes a POSIX or Linux header."
  exit 0
fi
if $list; then
  echo "$found"
  exit 0
fi
echo "These production sources include POSIX or Linux headers; call core/system instead:" >&2
echo "$found" >&2
exit 1
