#!/usr/bin/env bash
# Processor use while idle: the installed lane_desk against a bare web view (bench/bare_shell.cpp)
# on the same loopback start page, each on a private Xvfb display with icewm. Each side is started,
# left to settle, then the processor time of its whole process tree is read from /proc over a
# window; the figures are percent of one core. Not a test: it prints figures and the goal.
# Usage: bash bench/idle_cpu.sh BUILD_FOLDER [ROUNDS] [WINDOW_SECONDS] [SETTLE_SECONDS]
set -uo pipefail
build="$(cd "${1:?build folder}" && pwd)"
rounds="${2:-3}"
window="${3:-15}"
settle="${4:-20}"
source "$(dirname "${BASH_SOURCE[0]}")/bench_lib.sh"

"$build/tests/e2e/e2e_page_server" 100000 >"$work/port" &
pids+=("$!")
for _ in $(seq 1 50); do [ -s "$work/port" ] && break; sleep 0.1; done
page="http://127.0.0.1:$(head -1 "$work/port")/start"
printf '%s|0\r\n' "$page" >"$app/lane_desk_setting.res"

# A display of its own with icewm, so that nothing else drawing on the machine's displays counts.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=("$!")
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
ICEWM_PRIVCFG="$(cd "$(dirname "${BASH_SOURCE[0]}")/../scripts" && pwd)/icewm" icewm >/dev/null 2>&1 &
pids+=("$!")
sleep 1

# The clock ticks of a process and all its descendants, children found through /proc.
tree() {
    local p
    echo "$1"
    for p in $(cat /proc/"$1"/task/*/children 2>/dev/null); do tree "$p"; done
}
ticks() {
    local sum=0 p f
    for p in $(tree "$1"); do
        f=$(cat /proc/"$p"/stat 2>/dev/null) || continue
        f=${f##*) }  # past the command name, which may hold blanks
        set -- $f
        sum=$((sum + ${12} + ${13}))  # utime and stime: fields 14 and 15 of the whole line
    done
    echo "$sum"
}
hz=$(getconf CLK_TCK)

# measure NAME COMMAND...: starts the command, lets it settle, prints its idle use; sets $percent.
measure() {
    local name="$1" pid t0 t1 s0 s1
    shift
    "$@" >>"$work/$name.log" 2>&1 &
    pid=$!
    sleep "$settle"
    t0=$(ticks "$pid")
    s0=$(date +%s.%N)
    sleep "$window"
    t1=$(ticks "$pid")
    s1=$(date +%s.%N)
    percent=$(echo "scale=2; 100 * ($t1 - $t0) / $hz / ($s1 - $s0)" | bc)
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    sleep 2
}

echo "idle processor use, percent of one core over ${window} s after ${settle} s of settling"
for round in $(seq 1 "$rounds"); do
    measure lane_desk "$app/lane_desk"
    desk=$percent
    measure bare_shell "$build/bench/bare_shell" "$page"
    bare=$percent
    echo "round $round: lane_desk $desk %"
    echo "round $round: bare shell $bare %"
    echo "round $round: difference $(echo "$desk - $bare" | bc) % (goal: lane_desk at most 0.2 %)"
done
