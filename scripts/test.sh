#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build and a
# build with address and undefined-behaviour sanitizers. Warnings are errors. The normal
# build's sources are checked against the naming rule (check-naming.sh), and that build is
# also made into the Debian package, which is then checked.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp

if command -v clang-format >/dev/null; then
  "$root/scripts/check-format.sh"
fi
"$root/scripts/check-layers.sh"
"$root/scripts/check-system-calls.sh"

echo "== Normal build"
"$root/scripts/build.sh" "$root/build-test" -DQUIREWELL_WERROR=ON
(cd "$root/build-test" && ctest --output-on-failure -j 2)

echo "== Accessibility over AT-SPI"
"$root/scripts/check-accessibility.sh" "$root/build-test"

echo "== Naming"
"$root/scripts/check-naming.sh" "$root/build-test"

echo "== Debian package"
deb=$(BUILD_DIR="$root/build-test" "$root/scripts/package.sh")
"$root/scripts/check-package.sh" "$deb"

echo "== Sanitizer build"
BUILD_TYPE=Debug "$root/scripts/build.sh" "$root/build-asan" -DQUIREWELL_WERROR=ON \
  -DQUIREWELL_SANITIZE=ON -DQUIREWELL_BENCH=OFF
(cd "$root/build-asan" && ctest --output-on-failure -j 2)
