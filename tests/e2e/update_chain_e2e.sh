#!/usr/bin/env bash
# End-to-end: the whole update chain on an installed application folder against a product server
# on loopback. Arguments: build folder, update server, lane_desk and update linked for that server,
# its port, screenshot folder.
set -uo pipefail
build="$1"
server_bin="$2"
lane_loopback="$3"
update_loopback="$4"
port="$5"
shots="$6"
mkdir -p "$shots"
work=$(mktemp -d)
app="$work/PressLane"
served="$work/served"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

# The first window of a process whose title matches the pattern (xdotool's own matching does not
# read Korean reliably, so titles are compared here).
window_of() {
    local id
    for id in $(xdotool search --pid "$1" 2>/dev/null); do
        case "$(xdotool getwindowname "$id" 2>/dev/null)" in
            $2) echo "$id"; return 0 ;;
        esac
    done
    return 1
}
has_window() { [ -n "$(window_of "$1" "$2")" ]; }
answer() {  # answer PID TITLE KEY: presses KEY in the process's message box
    local id
    id=$(window_of "$1" "$2") || return 1
    # Typed into the focused box as a user would: a key sent to a window that is not focused
    # can stay pressed on the display.
    xdotool windowactivate --sync "$id" 2>/dev/null
    xdotool key "$3"
}
pid_of() { pgrep -xf "$app/$1" | head -1; }
running() { [ -n "$(pid_of "$1")" ]; }
same_bytes() { cmp -s "$1" "$2"; }
shot() { import -window root "$shots/$1.png" 2>/dev/null; }

start_server() {  # start_server MAIN_PROGRAM_FILE ("-" for 404)
    [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    "$server_bin" "$port" "4.5" "$served/update.exe" "$1" 240 >>"$work/server.log" 2>&1 &
    server_pid=$!
    pids+=("$server_pid")
    wait_for 10 curl -sf -o /dev/null "http://127.0.0.1:$port/soft/lane_desk/upgrade/lane_desk_version.txt" &&
        kill -0 "$server_pid" 2>/dev/null
}

cmake --install "$build" --prefix "$app" >/dev/null || { echo "FAILED: install"; exit 1; }
mkdir -p "$served"
# The new main program is the installed build (its server is not the loopback one, so it offers
# no further upgrade); the updater served is the one that fetches from the loopback server.
cp "$app/lane_desk" "$served/lane_desk.exe"
cp "$update_loopback" "$served/update.exe"
cp "$lane_loopback" "$app/lane_desk"
start_server "$served/lane_desk.exe" || { echo "FAILED: update server"; exit 1; }

# The running main program finds 4.5 published and asks; Yes opens the update window.
"$app/lane_desk" >"$work/lane_desk.log" 2>&1 &
old_pid=$!
pids+=("$old_pid")
check "the main program offers the published version" wait_for 60 has_window "$old_pid" "업그레이드 버전 알림"
shot update-question
answer "$old_pid" "업그레이드 버전 알림" Return
check "the update window opens" wait_for 20 has_window "$old_pid" "PressLane 업데이트"
shot update-window
check "the main program ends after fetching the updater" wait_for 60 gone "$old_pid"
check "the updater is the one served, executable" \
    bash -c "cmp -s '$app/update' '$served/update.exe' && test -x '$app/update'"
check "no temporary updater is left" test ! -e "$app/temp_file_update.exe"

# The updater fetches the main program, puts it in place and asks.
check "the updater runs" wait_for 20 running update
update_pid=$(pid_of update)
pids+=("$update_pid")
check "the updater asks to start the new program" wait_for 120 has_window "$update_pid" "update"
shot updater-question
check "the main program is the one served" same_bytes "$app/lane_desk" "$served/lane_desk.exe"
check "the new main program is executable" test -x "$app/lane_desk"
check "no temporary main program is left" test ! -e "$app/temp_file.exe"
answer "$update_pid" "update" Return
check "the updater ends" wait_for 20 gone "$update_pid"
check "Yes starts the new main program" wait_for 20 running lane_desk
new_pid=$(pid_of lane_desk)
pids+=("$new_pid")
check "its main window appears" wait_for 60 has_window "$new_pid" "프레스레인 v*"

# Started by hand while the main program runs: the updater closes it (its close sequence saves the
# geometry), and a 404 for the new program leaves the installed one as it is.
rm -f "$app/lane_desk_x_y_setting.res"
start_server "-"
"$app/update" >"$work/update.log" 2>&1 &
update_pid=$!
pids+=("$update_pid")
check "the updater closes the running main program" wait_for 30 gone "$new_pid"
check "the main program ran its close sequence" test -f "$app/lane_desk_x_y_setting.res"
check "the updater asks after the failed download" wait_for 60 has_window "$update_pid" "update"
shot updater-404
answer "$update_pid" "update" Escape
check "No ends the updater" wait_for 20 gone "$update_pid"
check "No starts nothing" bash -c "sleep 1; ! pgrep -xf '$app/lane_desk' >/dev/null"
check "the installed program is unchanged after a 404" same_bytes "$app/lane_desk" "$served/lane_desk.exe"
check "no temporary file is left after a 404" test ! -e "$app/temp_file.exe"
check "the server saw the 404" grep -q "GET /soft/lane_desk/upgrade/lane_desk.exe 404" "$work/server.log"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
