#!/usr/bin/env bash
# CI step: the plug-in, the stand-in host and every test program built with AddressSanitizer and
# UndefinedBehaviorSanitizer (FOLWYN_SANITIZE), and the whole test suite run in that build. Any
# report, leaks included, ends the program that made it and so fails its test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${FOLWYN_ASAN_BUILD_DIR:-$root/build-asan}"
"$root/scripts/setup.sh"
FOLWYN_BUILD_DIR="$build" FOLWYN_CMAKE_ARGS="-DFOLWYN_SANITIZE=ON" "$root/scripts/build.sh"
cd "$build"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --output-on-failure -j 2
