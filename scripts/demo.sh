#!/usr/bin/env bash
# The demo: converts the bundled example study through the stand-in host and shows what the
# plug-in logged and wrote. Works on a copy of examples/study (scratch/demo, or $FOLWYN_DEMO_DIR);
# examples/ itself is never written. Draws a preview (SVG) beside every design matrix written;
# with --update-docs it also copies the preview of run 1's merged design matrix to docs/, the
# picture that the README shows.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FOLWYN_BUILD_DIR:-$root/build}"
work="${FOLWYN_DEMO_DIR:-$root/scratch/demo}"
update_docs=0
for arg in "$@"; do
  case "$arg" in
    --update-docs) update_docs=1 ;;
    *) echo "usage: scripts/demo.sh [--update-docs]" >&2; exit 1 ;;
  esac
done

"$root/scripts/setup.sh"
FOLWYN_BUILD_DIR="$build" "$root/scripts/build.sh" --target standin_host folwyn

rm -rf "$work"
mkdir -p "$(dirname "$work")"
cp -r "$root/examples/study" "$work"
cd "$work"

echo "== Running the plug-in on the example study in $work"
# The study's own confound files, so that only what the run wrote counts as written.
find . -name '*.sdm' | sort >"$work/.sdm-before"
status=0
"$build/TarnwickNZ.exe" --vmr anat/subject01.vmr --answers answers.txt --log demo.log \
  --calls calls.log "$build/libfolwyn.so" || status=$?

find . -name '*.sdm' | sort | comm -13 "$work/.sdm-before" - >"$work/.sdm-written"
rm -f "$work/.sdm-before"

echo
echo "== Design matrices written"
while read -r file; do
  echo "-- $file ($(wc -l <"$file") lines)"
  head -n 9 "$file" | cut -c1-160
done <"$work/.sdm-written"

echo
echo "== Previews written, one beside every design matrix (SVG; open them in a web browser)"
while read -r file; do
  preview="${file%.sdm}.svg"
  if "$build/TarnwickNZ.exe" preview "$file" "$preview" >/dev/null; then
    echo "-- $preview"
  else
    status=1
  fi
done <"$work/.sdm-written"
rm -f "$work/.sdm-written"
if [ "$update_docs" -eq 1 ]; then
  mkdir -p "$root/docs"
  cp run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.svg "$root/docs/example_study_preview.svg"
  echo "-- copied run 1's merged preview to docs/example_study_preview.svg"
fi
echo
echo "The whole log is in $work/demo.log (one escaped entry a line), every host call in calls.log."
exit "$status"
