#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, address and undefined-behaviour sanitizers, and
# runs each for a bounded time on a copy of its starting corpus.
# Usage: fuzz.sh [BUILD_DIR] [SECONDS_PER_TARGET]   (defaults: /work/build-fuzz, 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-/work/build-fuzz}
seconds=${2:-60}
targets=(new_name cli_arguments settings_store metadata)

CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUIREWELL_FUZZ=ON -DQUIREWELL_SANITIZE=ON -DQUIREWELL_GUI=OFF -DQUIREWELL_BENCH=OFF >/dev/null
cmake --build "$dir" -j 2 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for t in "${targets[@]}"; do
  corpus="$dir/fuzz/corpus-$t"
  mkdir -p "$corpus"
  cp -n "$root/fuzz/corpus/$t"/* "$corpus/" 2>/dev/null || true
  log="$dir/fuzz/$t.log"
  echo "== fuzz_$t for ${seconds}s (log: $log)"
  if ! "$dir/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -rss_limit_mb=4096 -artifact_prefix="$dir/fuzz/$t-" "$corpus" >"$log" 2>&1; then
    echo "fuzz_$t found a failure; see $log and the artifact in $dir/fuzz/" >&2
    tail -40 "$log" >&2
    status=1
  fi
  grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" || tail -3 "$log"
done
exit $status
