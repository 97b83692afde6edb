#!/usr/bin/env bash
# End-to-end: installs the application folder, starts lane_desk on the current display, and checks
# what a user sees and what stays on disk. Arguments: build folder, page server, screenshot folder.
build="$1"
page_server="$2"
shots="$3"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

no_engine_left() { ! pgrep -f "$app/" >/dev/null; }
geometry_line_ok() { [ -f "$app/lane_desk_x_y_setting.res" ] && LC_ALL=C grep -qaP '^-?[0-9]+\|-?[0-9]+\|[0-9]+\|[0-9]+\r$' "$app/lane_desk_x_y_setting.res"; }

splash_visible() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        xwininfo -id "$id" | grep -q 'Width: 495' && xwininfo -id "$id" | grep -q 'Height: 279' &&
            return 0
    done
    return 1
}

no_splash() { ! splash_visible; }
# libmpv is loaded only when something plays.
no_libmpv() { ! grep -q libmpv "/proc/$app_pid/maps"; }

install_app
check "the application folder holds both deliverables" test -x "$app/lane_desk" -a -f "$app/libGrabkit.so"

# First start without any data file: splash first, then the main window on the default page.
launch "$app/lane_desk"
check "the splash shows first" wait_for 5 splash_visible
check "the main window opens with its caption" wait_for 30 has_main_window
check "the first start writes the default settings line" \
    wait_for 5 bytes_are "$app/lane_desk_setting.res" 'https://news.naver.com/|0\r\n'
sleep 6
check "the splash is gone after five seconds" no_splash
check "with nothing playing, libmpv is not loaded" no_libmpv
import -window root "$shots/first-start.png"
wmctrl -i -c "$(main_window)"
check "a close request from outside ends the program" wait_for 15 gone "$app_pid"
check "nothing of the program keeps running" wait_for 10 no_engine_left
check "the close writes left|top|width|height" geometry_line_ok
first_geometry=$(cat "$app/lane_desk_x_y_setting.res")

# Second start on a local start page: the title follows the page, the geometry comes back as it
# was saved.
serve "$page_server" 120
port=$served_port
printf 'http://127.0.0.1:%s/start|0\r\n' "$port" >"$app/lane_desk_setting.res"
# A bookmark whose title starts with the address typed below.
printf '127.0.0.1:%s/typed bookmark|http://127.0.0.1:%s/bookmarked\r\n' "$port" "$port" \
    >"$app/bookmark.res"
launch "$app/lane_desk"
check "the caption shows the start page's title" wait_for 30 titled '^프레스레인 v4\.47 \[.*\] ::: 로컬 시작 페이지$'
sleep 5
import -window root "$shots/main-window.png"

# The address box, typed into with real keys: Enter opens exactly what was typed (no scheme, no
# completion from the bookmark titles); a bookmark opens when it is picked from the list.
win=$(main_window)
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool mousemove --window "$win" 100 $((menu_bar + 72)) click 1
sleep 0.3
xdotool type --delay 40 "127.0.0.1:$port/typed"
xdotool key Return
check "Enter in the address box opens the typed address" wait_for 20 titled '::: 입력한 주소$'
xdotool key alt+Down
sleep 0.5
xdotool key Down Return
check "a bookmark picked from the address box's list opens" wait_for 20 titled '::: 북마크한 페이지$'
wmctrl -i -c "$(main_window)"
check "the second close ends the program" wait_for 15 gone "$app_pid"
check "the saved geometry survives a restart unchanged" \
    test "$(cat "$app/lane_desk_x_y_setting.res")" = "$first_geometry"

# A desktop whose tray comes up after the program (a display of its own, first without a window
# manager): the icon is added when the tray appears. Then the desktop session ends with a
# termination signal: the close sequence still runs.
no_tray_icon() { ! has_tray_icon; }
desktop_display=$DISPLAY
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=("$!")
wait_for 10 test -s "$work/display"
export DISPLAY=":$(head -1 "$work/display")"
rm -f "$app/lane_desk_x_y_setting.res"
launch "$app/lane_desk"
wait_for 30 has_main_window
sleep 2
check "no tray icon while the desktop has no tray" no_tray_icon
ICEWM_PRIVCFG="$(dirname "${BASH_SOURCE[0]}")/../../scripts/icewm" icewm >/dev/null 2>&1 &
pids+=("$!")
check "the tray icon appears once a tray comes up" wait_for 20 has_tray_icon
import -window root "$shots/tray-appears-later.png"
kill -TERM "$app_pid"
check "a terminated program still saves its geometry" wait_for 15 gone "$app_pid"
check "the geometry line after termination" geometry_line_ok
export DISPLAY=$desktop_display

finish
