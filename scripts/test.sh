#!/usr/bin/env bash
# Builds PressLane and runs every test: unit tests (also under AddressSanitizer and UBSan), the
# Qt adapter tests and the end-to-end tests of the installed program, on a virtual display, the
# Windows build of the toolkit-free code under Wine, and a bounded run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRESSLANE_TESTS=ON
cmake --build build -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPRESSLANE_SANITIZE=ON -DPRESSLANE_TESTS=ON
cmake --build build-asan -j "$jobs" --target unit_tests

source scripts/desktop.sh
start_virtual_desktop 95

(cd build-asan && ctest --output-on-failure -R '^unit\.' -j "$jobs")
# The same unit tests and the Windows adapters as Windows programs, under Wine on this display.
bash scripts/test-windows.sh build-win
bash scripts/fuzz.sh 30
(cd build && ctest --output-on-failure)
