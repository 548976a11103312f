#!/usr/bin/env bash
# CI step: every fuzz target for a bounded time ($FOLWYN_FUZZ_SECONDS, default 30 s each) from
# its seed corpus. A crash, leak, sanitizer report, time-out or failed check fails the step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
status=0
FOLWYN_FUZZ_WORK="$work" "$root/scripts/fuzz.sh" "${FOLWYN_FUZZ_SECONDS:-30}" || status=$?
if [ "$status" -ne 0 ]; then
  echo "fuzz: findings are kept in $work" >&2
else
  rm -rf "$work"
fi
exit "$status"
