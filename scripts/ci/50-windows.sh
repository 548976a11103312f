#!/usr/bin/env bash
# CI step: the Windows build under a real Windows loader. Installs MinGW-w64 and Wine when they
# are missing, cross-builds the DLL, the stand-in host and the tests into build-windows/, runs
# the unit tests and the Windows tests under Wine, and compares the example study's outputs with
# those of the Linux build in build/ (which scripts/test.sh has built; built here if missing).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
linux="$root/build"
windows="${FOLWYN_WINDOWS_BUILD_DIR:-$root/build-windows}"

missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || missing+=(g++-mingw-w64-x86-64-posix)
[ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null 2>&1 || missing+=(wine64)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
if [ "${#missing[@]}" -gt 0 ]; then
  scripts/setup.sh "${missing[@]}"
fi

if [ ! -x "$linux/TarnwickNZ.exe" ] || [ ! -f "$linux/libfolwyn.so" ]; then
  FOLWYN_BUILD_DIR="$linux" scripts/build.sh --target standin_host folwyn
fi

# Wine in a prefix of the build folder's own, no display, no offers to install runtimes.
export WINEPREFIX="$windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
export FOLWYN_WINE="$wine"

start=$SECONDS
FOLWYN_WINDOWS_BUILD_DIR="$windows" scripts/build-windows.sh
echo "windows: cross build took $((SECONDS - start)) s"

start=$SECONDS
"$wine" "$windows/tests/folwyn_unit_tests.exe" --gtest_brief=1
"$wine" "$windows/tests/windows/folwyn_windows_tests.exe" --gtest_brief=1
tests/windows/compare_study.sh "$linux" "$windows"
echo "windows: tests under Wine took $((SECONDS - start)) s"
