#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FOLWYN_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
FOLWYN_BUILD_DIR="$build" "$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure -j 2
