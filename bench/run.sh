#!/usr/bin/env bash
# Every benchmark, one after another, on a build made with the tests: start-up time and memory,
# idle processor use, and the download control against curl. Each prints its figures, the ratio or
# difference to its peer and the goal. Run it on a quiet machine; it asserts nothing.
# Usage: bash bench/run.sh [BUILD_FOLDER]   (BENCH_PROGRAM_BUILD=OTHER_BUILD measures that build's
# program against the same peers)
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../build}"
cmake --build "$build" --target lane_desk lane_desk_loopback update Grabkit e2e_page_server \
    e2e_articles_server bare_shell title_watch file_down_bench >/dev/null || exit 1
echo "== start-up and memory"
bash "$here/start_up.sh" "$build" 5
echo "== idle processor use"
bash "$here/idle_cpu.sh" "$build" 2 20 20
echo "== download"
# Beside libGrabkit.so, which the update window loads as the program does.
"$build/src/filedown/file_down_bench"
