#!/usr/bin/env bash
# Cross-builds the Windows programs with MinGW-w64 into build-windows/ (or
# $FOLWYN_WINDOWS_BUILD_DIR): the plug-in folwyn.dll, the stand-in host TarnwickNZ.exe and, unless
# FOLWYN_WINDOWS_TESTS=OFF, the unit tests and the Windows tests, which run under Wine.
# Arguments go to the build step (e.g. --target folwyn); $FOLWYN_CMAKE_ARGS to the configure step.
# Needs g++-mingw-w64-x86-64-posix; the tests also need wine64 and googletest (Debian packages):
#   scripts/setup.sh g++-mingw-w64-x86-64-posix wine64
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FOLWYN_WINDOWS_BUILD_DIR:-$root/build-windows}"
tests="${FOLWYN_WINDOWS_TESTS:-ON}"
compiler=x86_64-w64-mingw32-g++-posix

if ! command -v "$compiler" >/dev/null 2>&1; then
  echo "build-windows: $compiler is missing (scripts/setup.sh g++-mingw-w64-x86-64-posix)" >&2
  exit 1
fi
mkdir -p "$build"
configure=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOLWYN_TESTS="$tests")

if [ "$tests" != "OFF" ]; then
  wine="${FOLWYN_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}"
  [ -x "$wine" ] || wine="$(command -v wine || true)"
  if [ -z "$wine" ]; then
    echo "build-windows: the tests need Wine (scripts/setup.sh wine64)" >&2
    exit 1
  fi
  if [ ! -f /usr/src/googletest/CMakeLists.txt ]; then
    echo "build-windows: the tests need GoogleTest's sources (scripts/setup.sh googletest)" >&2
    exit 1
  fi
  # Listing the tests runs them under Wine: in a prefix of the build folder's own, without a
  # display and without the offers to install Wine's .NET and HTML runtimes.
  export WINEPREFIX="${WINEPREFIX:-$build/wine}" WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  unset DISPLAY WAYLAND_DISPLAY
  # GoogleTest is packaged for Linux only: built once from Debian's sources for MinGW.
  gtest="$build/googletest"
  if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    echo "build-windows: building GoogleTest for MinGW-w64"
    cmake -S /usr/src/googletest -B "$gtest/build" \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_INSTALL_PREFIX="$gtest/install" >/dev/null
    cmake --build "$gtest/build" -j 2 >/dev/null
    cmake --install "$gtest/build" >/dev/null
  fi
  configure+=(-DGTest_DIR="$gtest/install/lib/cmake/GTest" -DCMAKE_CROSSCOMPILING_EMULATOR="$wine")
fi

# shellcheck disable=SC2086
cmake -S "$root" -B "$build" "${configure[@]}" ${FOLWYN_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j 2 "$@"
