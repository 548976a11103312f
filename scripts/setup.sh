#!/usr/bin/env bash
# Installs what building and testing folwyn needs on a Debian machine, when it is missing.
# Run as root (or with sudo available). Safe to run again: it installs nothing that is there.
set -euo pipefail

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
command -v cmake >/dev/null 2>&1 || missing+=(cmake)
command -v g++ >/dev/null 2>&1 || missing+=(g++)
command -v make >/dev/null 2>&1 || missing+=(make)
command -v nm >/dev/null 2>&1 || missing+=(binutils)
[ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
command -v xmllint >/dev/null 2>&1 || missing+=(libxml2-utils)
command -v localedef >/dev/null 2>&1 && [ -d /usr/share/i18n/locales ] || missing+=(locales)
for extra in "$@"; do missing+=("$extra"); done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# A locale with a decimal comma, so that the tests can prove the plug-in ignores the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "setup: generating the de_DE.UTF-8 locale"
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
