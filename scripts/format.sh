#!/usr/bin/env bash
# Formats every tracked C++ file in place.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs -r clang-format -i
