#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# the machine lacks. Safe to run again: it installs nothing already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang llvm libclang-rt-14-dev    # native builds, sanitizers, libFuzzer, llvm-rc
  libgtest-dev googletest libbenchmark-dev libcli11-dev  # test, benchmark and argument libraries
  mingw-w64 g++-mingw-w64-x86-64-posix                   # the Windows build
  wine wine64 xvfb xauth x11-apps x11-utils imagemagick  # running it: Wine on a virtual display, screenshots
  python3                                                # drawing the icon from its character pictures
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
