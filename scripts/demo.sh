#!/usr/bin/env bash
# The demo: converts the bundled example study through the stand-in host and shows what the
# plug-in logged and wrote. Works on a copy of examples/study (scratch/demo, or $FOLWYN_DEMO_DIR);
# examples/ itself is never written.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FOLWYN_BUILD_DIR:-$root/build}"
work="${FOLWYN_DEMO_DIR:-$root/scratch/demo}"

"$root/scripts/setup.sh"
FOLWYN_BUILD_DIR="$build" "$root/scripts/build.sh" --target standin_host folwyn

rm -rf "$work"
mkdir -p "$(dirname "$work")"
cp -r "$root/examples/study" "$work"
cd "$work"

echo "== Running the plug-in on the example study in $work"
status=0
"$build/TarnwickNZ.exe" --vmr anat/subject01.vmr --answers answers.txt --log demo.log \
  --calls calls.log "$build/libfolwyn.so" || status=$?

echo
echo "== Design matrices written"
find . -name '*.sdm' -newer answers.txt | sort | while read -r file; do
  echo "-- $file ($(wc -l <"$file") lines)"
  head -n 9 "$file" | cut -c1-160
done
echo
echo "The whole log is in $work/demo.log (one escaped entry a line), every host call in calls.log."
exit "$status"
