#!/usr/bin/env bash
# The benchmarks, with one command: installs what is missing (Google Benchmark included), builds
# a Release tree with the benchmarks into build-bench/ (or $FOLWYN_BUILD_DIR) and runs
#   1. folwyn_bench: the readers, the z-transform, both merged writers, the iostream merge, the
#      number-conversion limit and the file list, then the ratios and figures of the targets;
#   2. folwyn_writer_memory: the merged writer's peak memory at 10,000 and 1,000,000 rows;
#   3. folwyn_batch_bench: 1,000 protocol groups through the stand-in host, the plug-in's part
#      timed apart from the host's;
#   4. the equality table of the number formats and the number reader over millions of values.
# Arguments go to folwyn_bench (e.g. --benchmark_filter=Reader --benchmark_repetitions=3).
# FOLWYN_BENCH_QUICK=1 runs a short smoke version of each (small sizes, no targets judged by
# speed). Exit status: 0 when everything ran and every target was met.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FOLWYN_BUILD_DIR:-$root/build-bench}"
quick="${FOLWYN_BENCH_QUICK:-0}"

extra=()
[ -f /usr/include/benchmark/benchmark.h ] || extra+=(libbenchmark-dev)
"$root/scripts/setup.sh" "${extra[@]}"
targets=(folwyn_bench folwyn_writer_memory folwyn_batch_bench)
[ "$quick" = 1 ] || targets+=(folwyn_unit_tests)  # the equality table
FOLWYN_BUILD_DIR="$build" FOLWYN_CMAKE_ARGS="-DCMAKE_BUILD_TYPE=Release -DFOLWYN_BENCH=ON" \
  "$root/scripts/build.sh" --target "${targets[@]}"

echo "== Machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
if [ "$quick" = 1 ]; then
  # Every benchmark once at its smallest sizes; a missed speed target (1) is no failure here,
  # an error (2) is.
  bench_status=0
  "$build/bench/folwyn_bench" --benchmark_filter='/1000$|/10000$' --benchmark_min_time=0.01 \
    "$@" || bench_status=$?
  [ "$bench_status" -le 1 ] || status=1
  "$build/bench/folwyn_writer_memory" 1000 100000 || status=1
  "$build/bench/folwyn_batch_bench" --groups 20 --runs 1 || status=1
else
  "$build/bench/folwyn_bench" "$@" || status=1
  echo
  "$build/bench/folwyn_writer_memory" || status=1
  echo
  "$build/bench/folwyn_batch_bench" || status=1
  echo
  echo "== Equality table of the number forms and the number reader"
  FOLWYN_EQUALITY_VALUES="${FOLWYN_EQUALITY_VALUES:-2000000}" "$build/tests/folwyn_unit_tests" \
    --gtest_filter='*Equality*' --gtest_brief=1 || status=1
fi
exit "$status"
