#!/usr/bin/env bash
# Builds Menetkalk.exe if needed, starts it under Wine on a virtual display
# (Xvfb) in a fresh prefix of its own, so it shows the first-start values,
# and saves a picture of its window as docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--on-display" ]; then
  bash scripts/install-deps.sh
  cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
  cmake --build build/windows -j "$(nproc)" --target Menetkalk
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --on-display
fi

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEPREFIX="$PWD/build/screenshot-wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
rm -rf "$WINEPREFIX"
"$wine" wineboot.exe --init
# No window manager runs on Xvfb: Wine draws the caption and frame itself.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
"$wineserver" -w

"$wine" build/windows/ui/Menetkalk.exe &
program=$!
stop() {
  kill "$program" 2>/dev/null || true
  "$wineserver" -k 2>/dev/null || true
}
trap stop EXIT

window=""
for _ in $(seq 1 120); do
  window=$(xwininfo -root -tree | awk '/ "Menetkalk": / {print $1; exit}')
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "screenshot.sh: the Menetkalk window did not appear" >&2
  exit 1
fi
sleep 2  # let it finish painting
mkdir -p docs
import -window "$window" docs/screenshot.png
echo "saved docs/screenshot.png"
