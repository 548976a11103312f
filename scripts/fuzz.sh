#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer) and runs each for a given time.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 60); TARGETs among file_list motion_rtc motion_sdm confound_rtc
# confound_sdm merged_writer path_names (default: all, one after the other). Each run starts from
# the seed corpus in fuzz/corpus/TARGET and grows a working corpus in
# $FOLWYN_FUZZ_WORK/TARGET (default scratch/fuzz); fuzz/ itself is never written. A crash, leak,
# sanitizer report or failed check stops with a non-zero status and leaves the input in
# $FOLWYN_FUZZ_WORK/TARGET/crashes. The build goes to $FOLWYN_FUZZ_BUILD_DIR (default build-fuzz).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FOLWYN_FUZZ_BUILD_DIR:-$root/build-fuzz}"
work="${FOLWYN_FUZZ_WORK:-$root/scratch/fuzz}"
seconds="${1:-60}"
shift || true
targets=("$@")
[ "${#targets[@]}" -gt 0 ] ||
  targets=(file_list motion_rtc motion_sdm confound_rtc confound_sdm merged_writer path_names)

# clang with its libFuzzer runtime, installed when missing.
have_libfuzzer() {
  command -v clang++ >/dev/null 2>&1 || return 1
  local runtime
  runtime="$(clang++ --print-runtime-dir 2>/dev/null)" || return 1
  ls "$runtime"/libclang_rt.fuzzer*.a >/dev/null 2>&1
}
if have_libfuzzer; then
  "$root/scripts/setup.sh"
else
  "$root/scripts/setup.sh" clang libclang-rt-14-dev
fi
clang_path="$(command -v clang++)"

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER="$clang_path" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFOLWYN_FUZZ=ON -DFOLWYN_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 --target folwyn_fuzz_targets >/dev/null

dictionary_of() {
  case "$1" in
    file_list) echo file_list ;;
    path_names) echo path_names ;;
    *) echo confounds ;;
  esac
}

status=0
for target in "${targets[@]}"; do
  binary="$build/fuzz/fuzz_$target"
  [ -x "$binary" ] || { echo "fuzz: no target $target" >&2; exit 1; }
  corpus="$work/$target/corpus"
  crashes="$work/$target/crashes"
  mkdir -p "$corpus" "$crashes"
  log="$work/$target/last-run.log"
  echo "== fuzz_$target for $seconds s"
  # A leak, a sanitizer report or a failed check ends the run with a non-zero status.
  if ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}" \
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -dict="$root/fuzz/dict/$(dictionary_of "$target").dict" \
    -artifact_prefix="$crashes/" "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
    echo "   executions: ${runs:-?}, corpus: $(find "$corpus" -type f | wc -l) inputs"
  else
    status=1
    echo "   FAILED; the end of its log ($log):" >&2
    tail -n 40 "$log" >&2
  fi
done
exit "$status"
