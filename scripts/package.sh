#!/usr/bin/env bash
# Builds the Debian package (quirewell_VERSION_ARCH.deb) with CPack and writes it into the
# build folder: BUILD_DIR, default build/. The programs are built first when needed.
# Usage: package.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

# Only the package's path goes to standard output.
"$root/scripts/build.sh" "$build" >&2
(cd "$build" && cpack -G DEB -B "$build" >cpack.log 2>&1) || {
  cat "$build/cpack.log" >&2
  exit 1
}
rm -rf "$build/_CPack_Packages"
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$build/cpack.log"
