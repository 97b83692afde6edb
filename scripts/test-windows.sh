#!/usr/bin/env bash
# Builds the toolkit-free libraries, the Windows adapters and their unit tests as Windows
# programs with mingw-w64, and runs them under Wine: the unit tests, the registry's Run keys and a
# real window closed on the X display in DISPLAY (scripts/desktop.sh starts one).
# Usage: test-windows.sh [BUILD_DIR]   (default build-win)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-win}
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE= -DPRESSLANE_QT=OFF -DPRESSLANE_TESTS=ON
cmake --build "$build" -j "$(nproc)"
# The tests themselves take seconds; the limit bounds a Wine that hangs. GoogleTest prints only
# failures and each executable's count of tests.
cd "$build"
GTEST_BRIEF=1 ctest -V --timeout 300
