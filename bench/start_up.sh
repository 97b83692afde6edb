#!/usr/bin/env bash
# Start-up time and memory: the installed lane_desk, linked for a product server on loopback as
# the end-to-end tests run it, against a bare web view (bench/bare_shell.cpp) on the same loopback
# start page. Each round starts each side under bench/title_watch, which gives the seconds from
# the start to a window captioned with the page's title; five seconds later the proportional set
# size (PSS) of the side's whole process tree (the web engine's helper processes included) is
# read from /proc. The figures are medians over the rounds. Not a test: it prints figures and
# goals. It runs on $DISPLAY when that is set (a desktop with a window manager, such as
# scripts/desktop.sh starts), otherwise on a private Xvfb display with icewm.
# Usage: bash bench/start_up.sh BUILD_FOLDER [ROUNDS]
set -uo pipefail
build="$(cd "${1:?build folder}" && pwd)"
rounds="${2:-5}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/bench_lib.sh"

port=$(sed -n 's/^PRESSLANE_TEST_SERVER_PORT:[A-Z]*=//p' "$program_build/CMakeCache.txt")
cp "$program_build/tests/e2e/lane_desk_loopback" "$app/lane_desk" || exit 1
# The product server and the start page on loopback: nothing waits for a host that is not there.
"$build/tests/e2e/e2e_articles_server" 100000 "$work/server.log" "$port" >"$work/port" &
pids+=("$!")
for _ in $(seq 1 50); do [ -s "$work/port" ] && break; sleep 0.1; done
[ -s "$work/port" ] || { echo "the loopback server did not start on port $port"; exit 1; }
page="http://127.0.0.1:$port/start"
title="시작 페이지"
printf '%s|0\r\n' "$page" >"$app/lane_desk_setting.res"

if [ -z "${DISPLAY:-}" ]; then
    Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    pids+=("$!")
    for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$work/display")"
    ICEWM_PRIVCFG="$here/../scripts/icewm" icewm >/dev/null 2>&1 &
    pids+=("$!")
    sleep 1
fi

# A process and all its descendants, children found through /proc.
tree() {
    local p
    echo "$1"
    for p in $(cat /proc/"$1"/task/*/children 2>/dev/null); do tree "$p"; done
}
# The summed PSS of the processes given, in kB.
pss_kb() {
    local sum=0 p kb
    for p in "$@"; do
        kb=$(awk '/^Pss:/ {print $2}' /proc/"$p"/smaps_rollup 2>/dev/null) || continue
        sum=$((sum + ${kb:-0}))
    done
    echo "$sum"
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# measure NAME PROGRAM ARGS...: one start of the program; appends its seconds to the caption to
# $work/NAME.seconds and its PSS in MB to $work/NAME.mb; sets $seconds, $mb and $processes.
measure() {
    local name="$1" watcher pid lines tree_pids
    shift
    "$build/bench/title_watch" 60 "$title" "$@" >"$work/watch" 2>>"$work/$name.log" &
    watcher=$!
    for _ in $(seq 1 700); do
        lines=$(wc -l <"$work/watch")
        [ "$lines" -ge 2 ] && break
        kill -0 "$watcher" 2>/dev/null || break
        sleep 0.1
    done
    pid=$(sed -n 1p "$work/watch")
    seconds=$(sed -n 2p "$work/watch")
    mb="-"
    processes="-"
    if [[ "$seconds" =~ ^[0-9.]+$ ]]; then
        sleep 5
        tree_pids=$(tree "$pid")
        processes=$(echo "$tree_pids" | wc -w)
        mb=$(echo "scale=1; $(pss_kb $tree_pids) / 1024" | bc)
        echo "$seconds" >>"$work/$name.seconds"
        echo "$mb" >>"$work/$name.mb"
    fi
    tree_pids=$(tree "$pid")
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    wait "$watcher" 2>/dev/null
    # The next start begins once every process of this one has gone.
    for p in $tree_pids; do
        for _ in $(seq 1 100); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
    done
    sleep 1
}

for round in $(seq 1 "$rounds"); do
    measure lane_desk "$app/lane_desk"
    echo "round $round: lane_desk $seconds s, $mb MB in $processes processes"
    measure bare_shell "$build/bench/bare_shell" "$page"
    echo "round $round: bare shell $seconds s, $mb MB in $processes processes"
done

[ -s "$work/lane_desk.seconds" ] && [ -s "$work/bare_shell.seconds" ] ||
    { echo "no complete round"; exit 1; }
desk_s=$(median <"$work/lane_desk.seconds")
bare_s=$(median <"$work/bare_shell.seconds")
desk_mb=$(median <"$work/lane_desk.mb")
bare_mb=$(median <"$work/bare_shell.mb")
echo "start-up, seconds from the start to the window captioned with the start page's title (median of $rounds)"
echo "lane_desk: $desk_s s"
echo "bare shell: $bare_s s"
echo "difference: $(echo "$desk_s - $bare_s" | bc) s (goal: at most 1.2 s)"
echo "memory, PSS of the whole process tree 5 s after the start page loaded (median of $rounds)"
echo "lane_desk: $desk_mb MB"
echo "bare shell: $bare_mb MB"
echo "ratio: $(echo "scale=2; $desk_mb / $bare_mb" | bc) (goal: at most 1.25)"
