#!/usr/bin/env bash
# Installs what is missing, builds Quirewell and starts it. Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# Only the two programs: the tests, benchmarks and fuzzers are built by scripts/test.sh.
BUILD_TARGETS="quirewell quirewell-cli" "$root/scripts/build.sh" "$root/build"
if [ -x "$root/build/desktop/shell/quirewell" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: the desktop program needs one (try xvfb-run, or use $root/build/cli/quirewell-cli)." >&2
    exec "$root/build/cli/quirewell-cli" --help
  fi
  exec "$root/build/desktop/shell/quirewell" "$@"
fi
exec "$root/build/cli/quirewell-cli" "${@:---help}"
