#!/usr/bin/env bash
# Fails when an include runs against the tiers: the core tier (core/) and quirewell-cli (cli/)
# never include a desktop file or a widget header, and inside the core a lower folder never
# includes a higher one (system <- metadata <- engine <- listing <- listing/presence).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
status=0
report() { # pattern, files..., message
  local pattern=$1 message=$2
  shift 2
  [ $# -gt 0 ] || return 0
  local hits
  hits=$(grep -n -E "$pattern" "$@" || true)
  if [ -n "$hits" ]; then
    echo "$message" >&2
    echo "$hits" | sed 's/^/  /' >&2
    status=1
  fi
}
files() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' || true; }

widgets='#include [<"](desktop/|Qt(Widgets|Gui)/|Q(Widget|Application|Dialog|MainWindow|Action|Menu|Label|PushButton|Painter|Pixmap|Icon|Color|Font|Screen|Clipboard|TableView|HeaderView|MessageBox)\b)'
mapfile -t coreAndCli < <(files core cli)
report "$widgets" "The core tier and quirewell-cli include the desktop tier or a widget header:" "${coreAndCli[@]}"
mapfile -t system < <(files core/system)
report '#include "(core/(engine|listing)|cli)/' "core/system includes a folder above it:" "${system[@]}"
mapfile -t metadata < <(files core/metadata)
report '#include "(core/(engine|listing)|cli)/' "core/metadata includes a folder above it:" "${metadata[@]}"
mapfile -t engine < <(files core/engine)
report '#include "(core/listing|cli)/' "core/engine includes a folder above it:" "${engine[@]}"
mapfile -t listing < <(files core/listing | grep -v '^core/listing/presence/' || true)
report '#include "(core/listing/presence|cli)/' "core/listing includes a folder above it:" "${listing[@]}"
exit $status
