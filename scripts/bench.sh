#!/usr/bin/env bash
# Builds Quirewell's benchmark programs (RelWithDebInfo) and prints one table: the median of
# each measurement next to a plain C baseline (or mmv) measured in the same run, and their
# ratio. Every program makes its own files in a temporary folder and removes them.
# Usage: bench.sh [BUILD_DIR]   (default: build-bench beside the sources)
# QUIREWELL_BENCH_ROWS sets the size of the million-file run (default 1000000; 0 leaves it
# out). Its trees go to /dev/shm when it exists.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-bench}

"$root/scripts/setup.sh" >&2
"$root/scripts/build.sh" "$dir" -DQUIREWELL_BENCH=ON >&2

rows=()
run() {
  echo "== $*" >&2
  while IFS= read -r line; do
    rows+=("$line")
    echo "$line" >&2
  done < <("$@")
}

run "$dir/bench/bench_load"
run "$dir/bench/bench_recompute"
run "$dir/bench/bench_find"
run "$dir/bench/bench_conflicts"
run "$dir/bench/bench_rename"
run "$dir/bench/bench_chains"
run "$dir/bench/bench_duplicates"
run "$dir/bench/bench_memory"
run "$dir/bench/bench_undo"
run "$dir/bench/bench_sort"
run "$dir/bench/bench_mapping"
run "$dir/bench/bench_startup"
if [ "${QUIREWELL_BENCH_ROWS:-1000000}" != 0 ]; then
  QUIREWELL_BENCH_ROWS=${QUIREWELL_BENCH_ROWS:-1000000} run "$dir/bench/bench_million" 3
fi
cli_vs_mmv() {
  # Whole processes on the same 10,000 files, made afresh before every run; the two commands
  # take turns so that neither always meets the warmer caches.
  local work files runs=11 t0 t1 mmv_ms=() cli_ms=() config
  work=$(mktemp -d "${TMPDIR:-/tmp}/quirewell-bench-XXXXXX")
  files=$work/batch
  config=$work/settings.conf
  : >"$config"
  # The journal of each batch goes to the same file system, never to the user's own.
  export XDG_STATE_HOME=$work/state
  time_one() { # name command...
    "$dir/bench/bench_rename" --make-plain "$files" 10000
    sync
    t0=$(date +%s%N)
    "${@:2}" >/dev/null 2>&1 || echo "$1 failed" >&2
    t1=$(date +%s%N)
    if [ -e "$files/file00000.txt" ] || [ ! -e "$files/photo00000.txt" ]; then
      echo "$1 did not rename the files" >&2
    fi
    echo $(((t1 - t0) / 1000))
  }
  for ((r = 0; r < runs; r++)); do
    if ((r % 2 == 0)); then
      mmv_ms+=("$(time_one mmv mmv "$files/file*" "$files/photo#1")")
      cli_ms+=("$(time_one cli "$dir/cli/quirewell-cli" rename "$files" --config "$config" \
        --find file --replace photo --yes)")
    else
      cli_ms+=("$(time_one cli "$dir/cli/quirewell-cli" rename "$files" --config "$config" \
        --find file --replace photo --yes)")
      mmv_ms+=("$(time_one mmv mmv "$files/file*" "$files/photo#1")")
    fi
  done
  rm -rf "$work"
  median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
  awk -v b="$(median "${mmv_ms[@]}")" -v o="$(median "${cli_ms[@]}")" 'BEGIN {
    r = o / b
    printf "| (3b) quirewell-cli rename --yes, whole process, 10,000 files (mmv = 1) | %.2f ms | %.2f ms | %.2f | <= 1.00 | %s |\n", b / 1000, o / 1000, r, (r <= 1 ? "yes" : "NO")
  }'
}

run cli_vs_mmv

# The name template over photos: reading the dates taken against a C loop, the first screen.
run "$dir/bench/bench_template"
cli_vs_exiftool() {
  # Renaming photos by their date taken, whole processes on the same photos made afresh before
  # every run, taking turns: quirewell-cli --template against ExifTool doing the same.
  local work files count=${QUIREWELL_BENCH_EXIFTOOL_PHOTOS:-10000} runs=3 t0 t1 ours=() theirs=()
  work=$(mktemp -d "${TMPDIR:-/tmp}/quirewell-bench-XXXXXX")
  files=$work/photos
  : >"$work/settings.conf"
  export XDG_STATE_HOME=$work/state
  time_one() { # name command...
    rm -rf "$files"
    "$dir/bench/bench_template" --make-photos "$files" "$count"
    sync
    t0=$(date +%s%N)
    "${@:2}" >/dev/null 2>&1 || echo "$1 failed" >&2
    t1=$(date +%s%N)
    if [ -e "$files/IMG_000000.jpg" ]; then
      echo "$1 did not rename the photos" >&2
    fi
    echo $(((t1 - t0) / 1000))
  }
  for ((r = 0; r < runs; r++)); do
    theirs+=("$(time_one exiftool exiftool '-FileName<DateTimeOriginal' \
      -d %Y-%m-%d_%H%M%S%%-c.%%e "$files")")
    ours+=("$(time_one cli "$dir/cli/quirewell-cli" rename "$files" --config "$work/settings.conf" \
      --template '{photo.taken:%Y-%m-%d_%H%M%S}{ext}' --yes)")
  done
  rm -rf "$work"
  median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
  awk -v b="$(median "${theirs[@]}")" -v o="$(median "${ours[@]}")" -v n="$count" 'BEGIN {
    r = o / b
    printf "| (25a) quirewell-cli rename --template by date taken, whole process, %d JPEGs (ExifTool = 1) | %.2f ms | %.2f ms | %.3f | <= 0.05 | %s |\n", n, b / 1000, o / 1000, r, (r <= 0.05 ? "yes" : "NO")
  }'
}
run cli_vs_exiftool

echo
echo "Machine load: $(uptime)"
echo "| Measurement | Baseline (median) | Quirewell (median) | Ratio | Target | Met |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
