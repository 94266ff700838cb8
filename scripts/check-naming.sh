#!/usr/bin/env bash
# Checks the naming rule of README.md ("Naming"): clang-tidy's readability-identifier-naming
# with .clang-tidy over the program's own sources (core/, desktop/, cli/), a scan for
# Hungarian prefixes, and that .clang-tidy still matches scripts/naming/given-names.txt.
# Prints each offending name with FILE:LINE and exits 1 if there is any.
# Usage: check-naming.sh BUILD_DIR [SOURCE.cpp...] (a configured build folder: its
# compile_commands.json gives the sources and their flags). With sources, clang-tidy reads
# only those (and the headers they include), which is quicker while working on them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: check-naming.sh BUILD_DIR [SOURCE.cpp...]}
build=$(cd "$build" && pwd)
shift
only=()
for f in "$@"; do only+=("$(readlink -f "$f")"); done
if [ ! -f "$build/compile_commands.json" ]; then
  echo "check-naming: no compile_commands.json in $build (configure that build first)" >&2
  exit 2
fi
tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
if [ -z "$tidy" ]; then
  echo "check-naming: clang-tidy is missing (scripts/setup.sh installs it)" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

"$root/scripts/naming/update-config.sh" "$work/clang-tidy"
if ! cmp -s "$work/clang-tidy" "$root/.clang-tidy"; then
  echo ".clang-tidy does not match scripts/naming/given-names.txt:" \
    "run scripts/naming/update-config.sh"
  failed=1
fi

# Cheap enough for the tests, benchmarks and fuzz targets too, which share the members.
(cd "$root" && python3 scripts/naming/check-hungarian.py core desktop cli tests bench fuzz) ||
  failed=1

# The translation units of the program's own folders; moc's and autogen's are not ours.
python3 - "$build/compile_commands.json" "$root" "${only[@]}" >"$work/sources" <<'PY'
import json, os, sys
root = sys.argv[2] + os.sep
only = set(sys.argv[3:])
seen = set()
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    relative = path[len(root):] if path.startswith(root) else ""
    if relative.split(os.sep)[0] in ("core", "desktop", "cli") and "_autogen" not in path:
        if path not in seen and (not only or path in only):
            seen.add(path)
            print(path)
missing = only - seen
if missing:
    sys.exit("check-naming: not a source of core/, desktop/ or cli/ in this build: "
             + " ".join(sorted(missing)))
PY
root_pattern=$(printf '%s' "$root" | sed 's/[][\.*^$+?(){}|]/\\&/g')
tidy_status=0
tr '\n' '\0' <"$work/sources" |
  xargs -0 -P 2 -n 4 "$tidy" -p "$build" --quiet \
    --header-filter="^$root_pattern/(core|desktop|cli)/" >"$work/tidy.out" 2>"$work/tidy.err" ||
  tidy_status=$?
# 123: some file had a finding (warnings are errors in .clang-tidy); anything else but 0
# means clang-tidy did not run.
if [ "$tidy_status" -ne 0 ] && [ "$tidy_status" -ne 123 ]; then
  cat "$work/tidy.err" >&2
  echo "check-naming: clang-tidy failed (status $tidy_status)" >&2
  exit 2
fi
# One line per finding; a header's finding comes once, whichever files include it.
grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error): ' "$work/tidy.out" |
  sed "s|^$root/||" | sort -u >"$work/findings" || true
if [ -s "$work/findings" ]; then
  cat "$work/findings"
  failed=1
elif [ "$tidy_status" -ne 0 ]; then
  # clang-tidy 14 may report a parameter of one of clang's implicit templates ('expr-type'),
  # with no location and a name that is no identifier, so nothing of ours: any other
  # report without a location fails the check.
  if [ "$tidy_status" -ne 123 ] ||
    grep -h 'error:' "$work/tidy.out" "$work/tidy.err" |
    grep -v -q -E "invalid case style for template parameter '[^']*-[^']*'"; then
    cat "$work/tidy.out" "$work/tidy.err" >&2
    failed=1
  fi
fi

count=$(wc -l <"$work/sources")
if [ "$failed" -ne 0 ]; then
  echo "check-naming: names that break the rule (README.md, \"Naming\")" >&2
  exit 1
fi
echo "check-naming: $count files, no name breaks the rule"
