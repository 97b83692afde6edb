#!/usr/bin/env bash
# End-to-end: the whole update chain on an installed application folder against a product server
# on loopback that publishes signed releases and can answer with every fault a real server or
# network may have. For the update window of the main program and for the updater alike, each
# fault must leave the installed files byte for byte as they were, leave no scratch file, and say
# why in one line of the window's log; only a signed release is installed.
# Arguments: build folder, update server, lane_desk and update linked for that server, the
# download library with the short stall time-out, the secret key the test publishes with, the
# server's port, screenshot folder.
build="$1"
server_bin="$2"
lane_loopback="$3"
update_loopback="$4"
grabkit_loopback="$5"
secret_key="$6"
port="$7"
shots="$8"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
published="$work/published"
fault="$work/fault"
# The download library spools bodies here; nothing of a killed download may stay.
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"

answer() {  # answer PID TITLE KEY: presses KEY in the process's message box
    local id
    id=$(window_of "$1" "$2") || return 1
    # Typed into the focused box as a user would: a key sent to a window that is not focused
    # can stay pressed on the display.
    xdotool windowactivate --sync "$id" 2>/dev/null
    xdotool key "$3"
}
# Answers until the box is gone: a box that opens while the splash is still on top may not have
# the keyboard yet when it is first found.
answer_until_gone() {  # answer_until_gone PID TITLE KEY
    local i
    for i in $(seq 1 20); do
        has_window "$1" "$2" || return 0
        answer "$1" "$2" "$3"
        sleep 1
    done
    ! has_window "$1" "$2"
}
pid_of() { pgrep -xf "$app/$1" | head -1; }
running() { [ -n "$(pid_of "$1")" ]; }
same_bytes() { cmp -s "$1" "$2"; }

# What the log box of a window shows, copied out of it as a user would: click, select all, copy.
log_of() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    xdotool mousemove --window "$1" 300 60 click 1 key ctrl+a ctrl+c 2>/dev/null
    sleep 0.1
    xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}
times_logged() { log_of "$1" | grep -cxF -- "$2"; }
logged_at_least() { [ "$(times_logged "$1" "$2")" -ge "$3" ]; }
# The window's update_start button, "수동으로 업데이트".
press_update_start() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    xdotool mousemove --window "$1" 80 260 click 1
}

# press_until_logged WINDOW LINE COUNT: update_start pressed until the log holds LINE COUNT times.
# Every activation of the update window starts a download of its own, and a press that meets one
# still running is refused as busy; a user presses again once it is over.
press_until_logged() {
    local deadline=$((SECONDS + 30))
    while [ $SECONDS -lt "$deadline" ]; do
        press_update_start "$1"
        wait_for 8 logged_at_least "$1" "$2" "$3" && return 0
    done
    return 1
}

installed() { (cd "$app" && sha256sum lane_desk update libGrabkit.so); }
unchanged() { [ "$(installed)" = "$before" ]; }
no_scratch_files() {
    [ -z "$(find "$app" -maxdepth 1 -name 'temp_file*')" ] &&
        [ -z "$(find "$TMPDIR" -name 'qt_temp*' -o -name 'presslane-*')" ]
}

# try WINDOW FAULT LINE: with the server answering FAULT, the user presses update_start; the log
# gains LINE once more, and nothing installed changes.
try() {
    local n
    n=$(times_logged "$1" "$3")
    echo "$2" >"$fault"
    if ! press_until_logged "$1" "$3" $((n + 1)); then
        # What the window showed instead, for whoever reads the failure.
        shot "missing-$2"
        log_of "$1" | tail -8 | sed 's/^/    log: /'
    fi
    check "$2: \"$3\"" logged_at_least "$1" "$3" $((n + 1))
    check "$2: installed files unchanged" unchanged
    check "$2: no scratch file" no_scratch_files
}

not_executable="받은 파일이 실행 파일이 아니어서 설치하지 않았습니다."
bad_signature="서명이 올바르지 않아 설치하지 않았습니다."
no_signature="서명 파일을 받을 수 없어 설치하지 않았습니다."
not_found="서버에서 파일을 찾을 수 없습니다."
no_server="서버를 찾을 수 없습니다."
http_error="서버가 오류로 응답하여 파일을 받지 못했습니다."
broken_off="파일을 받는 중에 연결이 끊기거나 멈추었습니다."
disk_full="파일을 저장하지 못했습니다. 디스크 공간을 확인해 주세요."
failed="업데이트에 실패했습니다. 기존 프로그램을 그대로 둡니다."

# every_fault WINDOW PID NAME: the fault matrix, retried with update_start in one open window.
every_fault() {
    try "$1" 500 "$http_error"
    try "$1" html "$not_executable"
    try "$1" empty "$not_executable"
    try "$1" cut "$broken_off"
    # Without a length a cut body looks whole to HTTP: its signature refuses it.
    try "$1" cutclose "$bad_signature"
    # The mirror on the other host serves a program nobody signed.
    cp /usr/bin/true "$published/mirror/$3"
    try "$1" redirect "$bad_signature"
    try "$1" silent "$no_server"
    try "$1" trickle "$broken_off"
    try "$1" nosig "$no_signature"
    try "$1" wrongsig "$bad_signature"
    prlimit --pid "$2" --fsize=65536:
    try "$1" good "$disk_full"
    prlimit --pid "$2" --fsize=unlimited:
}

install_app
# The release: the new main program is the installed build (its server is not the loopback one, so
# it offers no further upgrade); the updater is the one that fetches from the loopback server.
mkdir -p "$published/mirror"
strip -o "$published/lane_desk.exe" "$app/lane_desk"
strip -o "$published/update.exe" "$update_loopback"
printf '4.5' >"$published/lane_desk_version.txt"
minisign -G -W -p "$work/stranger.pub" -s "$work/stranger.key" >/dev/null
for name in update.exe lane_desk.exe; do
    minisign -S -s "$secret_key" -m "$published/$name" >/dev/null
    minisign -S -s "$work/stranger.key" -m "$published/$name" -x "$published/$name.stranger.minisig" >/dev/null
done
cp "$lane_loopback" "$app/lane_desk"
cp "$update_loopback" "$app/update"
cp "$grabkit_loopback" "$app/libGrabkit.so"
before=$(installed)

echo 404 >"$fault"
"$server_bin" "$port" "$published" "$fault" 600 >>"$work/server.log" 2>&1 &
pids+=("$!")
wait_for 10 curl -sf -o /dev/null "http://127.0.0.1:$port/soft/lane_desk/upgrade/lane_desk_version.txt" ||
    { echo "FAILED: update server"; exit 1; }

# The running main program finds 4.5 published and asks; Yes opens the update window, whose first
# download meets a 404.
launch "$app/lane_desk"
old_pid=$app_pid
check "the main program offers the published version" wait_for 60 has_window "$old_pid" "업그레이드 버전 알림"
shot update-question
check "Yes is given" answer_until_gone "$old_pid" "업그레이드 버전 알림" Return
check "the update window opens" wait_for 20 has_window "$old_pid" "PressLane 업데이트"
form11=$(window_of "$old_pid" "PressLane 업데이트")
check "404: \"$not_found\"" wait_for 30 logged_at_least "$form11" "$not_found" 1
check "404: installed files unchanged" unchanged
every_fault "$form11" "$old_pid" update.exe
shot update-window-faults
check "the main program still runs after every fault" kill -0 "$old_pid"

# The signed updater is installed, started, and the main program ends.
echo good >"$fault"
press_update_start "$form11"
check "the main program ends after fetching the updater" wait_for 60 gone "$old_pid"
check "the updater is the one published, executable" \
    bash -c "cmp -s '$app/update' '$published/update.exe' && test -x '$app/update'"
check "no temporary updater is left" no_scratch_files

# The updater fetches the main program through a mirror on another host: allowed, because the
# signature verifies. It puts the program in place and only then asks.
cp "$published/lane_desk.exe" "$published/mirror/lane_desk.exe"
echo redirect >"$fault"
check "the updater runs" wait_for 20 running update
update_pid=$(pid_of update)
pids+=("$update_pid")
check "the updater asks to start the new program" wait_for 120 has_window "$update_pid" "update"
shot updater-question
check "the main program is the one published" same_bytes "$app/lane_desk" "$published/lane_desk.exe"
check "the new main program is executable" test -x "$app/lane_desk"
check "no temporary main program is left" no_scratch_files
check "the program came from the mirror" grep -q "GET /mirror/lane_desk.exe 200" "$work/server.log"
check "Yes is given" answer_until_gone "$update_pid" "update" Return
check "the updater ends" wait_for 20 gone "$update_pid"
check "Yes starts the new main program" wait_for 20 running lane_desk
new_pid=$(pid_of lane_desk)
pids+=("$new_pid")
check "its main window appears" wait_for 60 has_window "$new_pid" "프레스레인 v*"

# Started by hand while the main program runs: the updater closes it (its close sequence saves the
# geometry); a 404 for the new program leaves the installed one as it is, and the window stays.
before=$(installed)
rm -f "$app/lane_desk_x_y_setting.res"
echo 404 >"$fault"
launch "$app/update"
update_pid=$app_pid
check "the updater closes the running main program" wait_for 30 gone "$new_pid"
check "the main program ran its close sequence" test -f "$app/lane_desk_x_y_setting.res"
check "the updater window appears" wait_for 20 has_window "$update_pid" "update manager*"
frm=$(window_of "$update_pid" "update manager*")
check "404: \"$not_found\"" wait_for 30 logged_at_least "$frm" "$not_found" 1
check "404: the updater says the update failed" logged_at_least "$frm" "$failed" 1
check "404: installed files unchanged" unchanged
check "the server saw the 404" grep -q "GET /soft/lane_desk/upgrade/lane_desk.exe 404" "$work/server.log"
every_fault "$frm" "$update_pid" lane_desk.exe
shot updater-faults
asks_nothing() { ! has_window "$1" update; }
check "no question after failures" asks_nothing "$update_pid"
check "the updater says so after every failure" logged_at_least "$frm" "$failed" 12
wmctrl -i -c "$frm"
check "the close box ends the updater" wait_for 20 gone "$update_pid"
check "it starts nothing" bash -c "sleep 1; ! pgrep -xf '$app/lane_desk' >/dev/null"

# Killed in the middle of the download: nothing installed changes and no scratch file stays.
echo slow >"$fault"
launch "$app/update"
update_pid=$app_pid
check "the slow download begins" wait_for 30 grep -q "GET /soft/lane_desk/upgrade/lane_desk.exe 200 slow" "$work/server.log"
sleep 2
kill -KILL "$update_pid"
check "killed mid-download: installed files unchanged" unchanged
check "killed mid-download: no scratch file" no_scratch_files

# Killed while the downloaded file waits for its signature, just before the replacement: the old
# program stays; the next run clears the scratch file away.
echo slowsig >"$fault"
launch "$app/update"
update_pid=$app_pid
check "the whole download waits for its signature" \
    wait_for 60 cmp -s "$app/temp_file.exe" "$published/lane_desk.exe"
sleep 1
kill -KILL "$update_pid"
check "killed mid-replace: installed files unchanged" unchanged
echo 404 >"$fault"
launch "$app/update"
update_pid=$app_pid
check "the next run starts" wait_for 20 has_window "$update_pid" "update manager*"
frm=$(window_of "$update_pid" "update manager*")
check "the next run fails cleanly" wait_for 30 logged_at_least "$frm" "$not_found" 1
check "the next run leaves no scratch file" no_scratch_files
check "and the installed files unchanged" unchanged
wmctrl -i -c "$frm"
check "the updater ends" wait_for 20 gone "$update_pid"

finish
