#!/usr/bin/env bash
# Converts the example study with the Linux build and with the Windows build (under Wine) and
# compares every file the runs leave: design matrices, VTCs, the log and the host-call journal.
# Each file must be the same bytes, or the same up to line ends (CR LF on Windows, LF on Linux);
# anything else fails. Two sets of answers: the study's own (two-gamma HRF, z-transformed
# confounds) and Boynton without z-transform.
#   tests/windows/compare_study.sh LINUX_BUILD WINDOWS_BUILD
# Wine: $FOLWYN_WINE (default: wine64, then wine); $WINEPREFIX as set by the caller.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
linux="$(cd "$1" && pwd)"
windows="$(cd "$2" && pwd)"
wine="${FOLWYN_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}"
[ -x "$wine" ] || wine="$(command -v wine)"
export WINEDEBUG="${WINEDEBUG:--all}"

work="$(mktemp -d "${TMPDIR:-/tmp}/folwyn-compare.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# A Wine prefix maps the drive Z: to the root of the file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

failures=0
compare_trees() {  # NAME LINUX_TREE WINDOWS_TREE
  local name="$1" left="$2" right="$3" same=0 file
  local line_ends=() different=()
  if ! diff <(cd "$left" && find . -type f | sort) <(cd "$right" && find . -type f | sort); then
    echo "compare $name: the two runs left different files"
    failures=$((failures + 1))
  fi
  while read -r file; do
    [ -f "$right/$file" ] || continue
    if cmp -s "$left/$file" "$right/$file"; then
      same=$((same + 1))
    elif cmp -s <(tr -d '\r' <"$left/$file") <(tr -d '\r' <"$right/$file"); then
      line_ends+=("$file")
    else
      different+=("$file")
    fi
  done < <(cd "$left" && find . -type f | sort | sed 's|^\./||')
  echo "compare $name: $same files the same, ${#line_ends[@]} the same up to line ends," \
    "${#different[@]} different"
  for file in "${line_ends[@]}"; do
    echo "  line ends differ: $file ($(grep -c $'\r$' "$right/$file") of" \
      "$(wc -l <"$right/$file") lines end in CR LF on Windows)"
  done
  for file in "${different[@]}"; do
    echo "  DIFFERENT: $file"
    diff <(tr -d '\r' <"$left/$file") <(tr -d '\r' <"$right/$file") | head -n 6 || true
  done
  failures=$((failures + ${#different[@]}))
}

run_both() {  # NAME ANSWER...
  local name="$1"
  shift
  local answers=()
  for answer in "$@"; do answers+=(--answer "$answer"); done
  for side in linux windows; do
    cp -r "$root/examples/study" "$work/$name-$side"
  done
  (cd "$work/$name-linux" &&
    "$linux/TarnwickNZ.exe" --quiet --log log.txt --calls calls.txt --vmr anat/subject01.vmr \
      "${answers[@]}" "$linux/libfolwyn.so")
  (cd "$work/$name-windows" &&
    "$wine" "$windows/TarnwickNZ.exe" --quiet --log log.txt --calls calls.txt \
      --vmr anat/subject01.vmr "${answers[@]}" "$(windows_path "$windows/folwyn.dll")")
  compare_trees "$name" "$work/$name-linux" "$work/$name-windows"
}

run_both study-answers 'yesno yes' 'float 1' 'yesno yes' 'yesno yes' 'file filelist.txt'
run_both boynton-plain 'yesno no' 'float 2' 'yesno no' 'yesno no' 'file filelist.txt'

if [ "$failures" -ne 0 ]; then
  echo "compare: $failures difference(s) between the Linux and the Windows outputs" >&2
  exit 1
fi
