#!/usr/bin/env bash
# CI step: the benchmarks build (Release, build-bench/) and run once in their short smoke form
# (scripts/bench.sh with FOLWYN_BENCH_QUICK=1): every benchmark at its smallest sizes, the
# writer's peak memory at 1,000 and 100,000 rows, a batch of 20 groups through the stand-in host.
# Speed is not judged here (a shared machine is too noisy); an error, a merge whose bytes differ
# from the iostream merge's, a growing writer memory or a failed batch fails the step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
FOLWYN_BENCH_QUICK=1 "$root/scripts/bench.sh"
