#!/usr/bin/env bash
# End-to-end: the program started against a product server that misbehaves on every request it
# makes at start-up (the version check, the verified channel list, the visit counter). The main
# window must appear on the start page, answer the window manager at all times, and keep nothing
# of a failed answer. Arguments: build folder, page server, hostile server, ping probe, lane_desk
# linked for the loopback server, its port, screenshot folder.
build="$1"
page_server="$2"
hostile_server="$3"
wm_ping="$4"
lane_loopback="$5"
port="$6"
shots="$7"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

# answers_pings WINDOW SECONDS: every ping of the probe answered, none slower than a second.
answers_pings() {
    local out
    out=$("$wm_ping" "$1" "$2") || { echo "$mode: $out"; return 1; }
    echo "$mode: $out ms"
    [ "${out##* }" -lt 1000 ]
}
cp949() { printf '%b' "$1" | iconv -f UTF-8 -t CP949; }

install_app
cp "$lane_loopback" "$app/lane_desk"
serve "$page_server" 600
page_port=$served_port

# The user's own records, which no answer of the server may touch.
printf 'http://127.0.0.1:%s/start|0\r\n' "$page_port" >"$work/setting.res"
cp949 "d|내 방송|http://127.0.0.1:$page_port/mine\r\n" >"$work/radiobook.res"
printf '\r\n' >"$work/empty_list.res"

for mode in silent trickle garbage huge; do
    log="$work/$mode.log"
    cp "$work/setting.res" "$app/lane_desk_setting.res"
    cp "$work/radiobook.res" "$app/radiobook.res"
    cp949 "d|지난 목록|http://127.0.0.1:$page_port/old\r\n\r\n" >"$app/radiobook2.res"
    "$hostile_server" "$port" "$mode" 120 >"$log" 2>&1 &
    server_pid=$!
    pids+=("$server_pid")
    sleep 0.3

    started=$SECONDS
    launch "$app/lane_desk"
    check "$mode: the main window shows the start page" \
        wait_for 40 titled '^프레스레인 v4\.47 \[.*\] ::: 로컬 시작 페이지$'
    echo "$mode: main window on the start page after $((SECONDS - started)) s"
    win=$(main_window)
    # Pinged as a window manager would for the next 35 seconds: past the version check's
    # time-out and the verified list's stall time-out, whatever the server does meanwhile.
    check "$mode: the window answers every ping within a second" answers_pings "$win" 35
    check "$mode: the verified list was asked for" \
        grep -qxF 'GET /soft/lane_desk/radio_guide/radiobook.res' "$log"
    check "$mode: the version was asked for" \
        grep -qxF 'GET /soft/lane_desk/upgrade/lane_desk_version.txt' "$log"
    check "$mode: the visit counter was asked for" grep -q '^GET /presslane_counter/' "$log"
    shot "$mode"
    check "$mode: the failed list leaves one empty line, nothing of the answer" \
        wait_for 10 cmp -s "$app/radiobook2.res" "$work/empty_list.res"
    wmctrl -i -c "$win"
    check "$mode: a close request ends the program" wait_for 20 gone "$app_pid"
    check "$mode: the own channel book is untouched" cmp -s "$app/radiobook.res" "$work/radiobook.res"
    check "$mode: the settings keep the start page" \
        bash -c "head -c \$(stat -c %s '$work/setting.res') '$app/lane_desk_setting.res' | cmp -s - '$work/setting.res'"
    kill "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
done

finish
