#!/usr/bin/env bash
# Sets up what is missing, builds Menetkalk.exe and starts the calculator
# under Wine, in your own Wine prefix (WINEPREFIX, or Wine's default ~/.wine),
# where it remembers its inputs between runs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build/windows -j "$(nproc)" --target Menetkalk

if [ -z "${DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY is not set), so the calculator's window cannot be shown." >&2
  echo "Built build/windows/ui/Menetkalk.exe. Run this again from a graphical session, or on a" >&2
  echo "virtual display:  xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
exec /usr/lib/wine/wine64 build/windows/ui/Menetkalk.exe
