#!/usr/bin/env bash
# Builds the plug-in, the stand-in host and the tests into build/ (or $FOLWYN_BUILD_DIR).
# Arguments go to the build step (e.g. --target folwyn); $FOLWYN_CMAKE_ARGS to the configure step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FOLWYN_BUILD_DIR:-$root/build}"
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${FOLWYN_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j 2 "$@"
