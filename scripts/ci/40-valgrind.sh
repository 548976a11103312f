#!/usr/bin/env bash
# CI step: valgrind memcheck over end-to-end runs of the stand-in host with the plug-in built
# without sanitizers: the example study as it is bundled, and a copy whose confound files are
# damaged or missing (the error paths of the readers and the writer). No memory error and no
# definite or indirect leak is allowed; nothing is suppressed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${FOLWYN_BUILD_DIR:-$root/build}"
if command -v valgrind >/dev/null 2>&1; then
  "$root/scripts/setup.sh"
else
  "$root/scripts/setup.sh" valgrind
fi
FOLWYN_BUILD_DIR="$build" "$root/scripts/build.sh" --target standin_host folwyn

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Runs the host on the study in folder $1 under memcheck; fails unless memcheck is clean and the
# run ended normally.
memcheck() {
  local study="$1"
  local status=0
  (cd "$study" && valgrind --quiet --error-exitcode=99 --leak-check=full \
    --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
    "$build/TarnwickNZ.exe" --vmr anat/subject01.vmr --answers answers.txt --log run.log --quiet \
    "$build/libfolwyn.so") || status=$?
  if [ "$status" -ne 0 ]; then
    echo "valgrind: the run in $study ended with status $status" >&2
    exit 1
  fi
  grep -qx 'Finished.\\n' "$study/run.log" || { echo "valgrind: the run did not finish" >&2; exit 1; }
}

cp -r "$root/examples/study" "$work/intact"
memcheck "$work/intact"
for merged in run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm run2/run2_faces_houses_msec_3DMC_z.sdm; do
  [ -s "$work/intact/$merged" ] || { echo "valgrind: $merged was not written" >&2; exit 1; }
done
echo "valgrind: the example study ran clean"

# Damage that takes each error path: a heart-rate file shorter than its design matrix (the
# writer stops after its header), a motion file cut in its rows (the reader stops), and a
# listed file that does not exist.
cp -r "$root/examples/study" "$work/damaged"
sed -i 's/^NrOfDataPoints: *180/NrOfDataPoints: 100/' "$work/damaged/run1/run1_HR.rtc"
head -c 900 "$root/examples/study/run2/run2_3DMC.rtc" >"$work/damaged/run2/run2_3DMC.rtc"
echo "run3/run3_HR.rtc" >>"$work/damaged/filelist.txt"
memcheck "$work/damaged"
for line in 'Number of datapoints in \*.sdm/\*.rtc file(s) does not match the design matrix!' \
  'Problem with reading \*.rtc file. Please check results.' \
  'Unable to open the design matrix file.'; do
  grep -qx "$line" "$work/damaged/run.log" ||
    { echo "valgrind: the damaged study did not log: $line" >&2; exit 1; }
done
echo "valgrind: the study with damaged and missing confound files ran clean"
