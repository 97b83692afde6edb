#!/usr/bin/env bash
# Builds PressLane into the application folder out/PressLane and starts it on this display. With
# no display it runs the program on a virtual one for a few seconds and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRESSLANE_TESTS=OFF
cmake --build build
cmake --install build --prefix out/PressLane
source scripts/desktop.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec out/PressLane/lane_desk
fi
echo "No display here: running PressLane on a virtual display for 15 seconds."
start_virtual_desktop 97
out/PressLane/lane_desk &
app=$!
sleep 15
import -window root out/presslane-screenshot.png
kill "$app" 2>/dev/null || true
echo "Screenshot saved: out/presslane-screenshot.png"
