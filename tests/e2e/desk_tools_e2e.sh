#!/usr/bin/env bash
# End-to-end: the tray icon, the menu bar and the windows its commands open, the portal search and
# web-mail windows of the status bar. Runs the program linked for a loopback product server
# (lane_desk_loopback), whose web-mail login page is the loopback server's https page, so the
# logins can be watched: the login page reports what its fields hold, over http and over https,
# and a submitted form would show in the server's log. The browser is told to accept the loopback
# server's own certificate. The default web browser is a stand-in that writes down what it was
# asked to open. Arguments: build folder, article server, lane_desk_loopback, its product server
# port, screenshot folder, the https port of the login page.
build="$1"
article_server="$2"
loopback_program="$3"
server_port="$4"
shots="$5"
tls_port="$6"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
log="$work/requests.log"
opened="$work/opened"

main_window() { window_titled "프레스레인 v4.47 ["; }
main_shown() { [ -n "$(main_window)" ]; }
main_hidden() { [ -z "$(main_window)" ]; }
not_submitted() { ! grep -q '/session/submit' "$log" 2>/dev/null; }
nothing_filled_over_http() { ! grep -q '^/filled' "$log" 2>/dev/null; }
opened_is() { [ -f "$opened" ] && [ "$(tail -1 "$opened")" = "$1" ]; }
opened_times() { [ -f "$opened" ] && [ "$(grep -c '' "$opened")" -eq "$1" ]; }

# The balloon is a tooltip window of the program, wider than a tooltip's one line; the tray menu
# is a pop-up window (placed by the program itself, past the window manager) that is neither a
# tooltip nor the tray icon.
is_tooltip() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP; }
balloon_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        is_tooltip "$id" && [ "$(xwininfo -id "$id" | awk '/Width:/ {print $2}')" -gt 200 ] && return 0
    done
    return 1
}
menu_shown() {
    local id tray
    tray=$(tray_icon)
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [ "$id" = "$tray" ] && continue
        is_tooltip "$id" && continue
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
no_menu() { ! menu_shown; }

menu() { press_keys "$(main_window)" "$@"; }  # menu KEYS...: typed into the main window
opens() {  # opens TITLE SHOT: the window of that title appears; a screenshot is taken
    wait_for 10 shown "$1" || return 1
    sleep 0.7
    import -window root "$shots/$2.png"
}
close_window() {  # close_window TITLE: the window's close box
    wmctrl -i -c "$(window_titled "$1")" 2>/dev/null
    wait_for 10 not_shown "$1"
}

install_app
cp "$loopback_program" "$app/lane_desk"
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
serve "$article_server" 280 "$log" "$server_port" "$tls_port"
base="http://127.0.0.1:$served_port"
# The start page is the login form served over plain http by the login page's host.
printf '%s/session/login.html|0\r\n' "$base" >"$app/lane_desk_setting.res"
# Smaller than the screen, so the window manager takes it as a normal window, not a maximised one.
printf '1500|0|21000|13500\r\n' >"$app/lane_desk_x_y_setting.res"

QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --ignore-certificate-errors" \
    XDG_CONFIG_HOME="$work/config" launch "$app/lane_desk"
check "the main window opens" wait_for 40 main_shown
check "the tray icon appears" wait_for 15 has_tray_icon
check "its balloon shows at start" wait_for 10 balloon_shown
import -window root "$shots/tray-balloon.png"
sleep 6  # the splash closes after five seconds
win=$(main_window)

# Left clicks on the tray icon hide the window in its normal state and bring it back.
click_tray 1
check "a left click on the tray icon hides the main window" wait_for 10 main_hidden
import -window root "$shots/tray-hidden.png"
click_tray 1
check "a second left click restores it" wait_for 10 main_shown
check "the restored window is the same" test "$(main_window)" = "$win"
# Minimised with its own button it stays on the task bar; the tray icon brings it back.
xdotool windowminimize --sync "$win" 2>/dev/null
click_tray 1
check "a left click restores a minimised window" wait_for 10 bash -c \
    "xwininfo -id $win | grep -q IsViewable"
# A maximised window goes back to normal and stays on screen.
wmctrl -i -r "$win" -b add,maximized_vert,maximized_horz
wait_for 10 bash -c "xprop -id $win _NET_WM_STATE | grep -q MAXIMIZED"
click_tray 1
check "a left click brings a maximised window back to normal" wait_for 10 bash -c \
    "! xprop -id $win _NET_WM_STATE | grep -q MAXIMIZED"
check "and leaves it shown" main_shown
click_tray 3
check "a right click shows the balloon again" wait_for 10 balloon_shown
check "and the tray menu" wait_for 10 menu_shown
import -window root "$shots/tray-balloon-again.png"
xdotool key Escape
check "Escape closes the tray menu" wait_for 10 no_menu
xdotool windowactivate --sync "$win" 2>/dev/null
sleep 0.5
import -window root "$shots/main-window-menu-bar.png"

# Every command of the menu bar reaches its window.
menu alt+e
import -window root "$shots/menu-settings.png"
menu s
check "자동실행 설정 opens the settings dialog" opens "프레스레인 환경설정" settings-dialog
xdotool key Escape
check "Escape closes it" wait_for 10 not_shown "프레스레인 환경설정"
check "closing the dialog saved the media choice" test -f "$app/lane_desk_setting_radio.res"
for keys in "alt+e w" "alt+e p" "alt+m a"; do
    # shellcheck disable=SC2086
    menu $keys
    check "$keys opens the settings dialog" wait_for 10 shown "프레스레인 환경설정"
    close_window "프레스레인 환경설정"
done
menu alt+e i
check "프로그램 정보 보기 opens the about window" opens "프레스레인 프로그램 정보" about-window
xdotool key Return
check "확인 closes it" wait_for 10 not_shown "프레스레인 프로그램 정보"
menu alt+m r
check "My 미디어 설정 opens the media settings window" opens "프레스레인 미디어 설정" media-settings
close_window "프레스레인 미디어 설정"
menu alt+a Return
check "기사 스크랩 opens the scrap dialog" opens "프레스레인 스크랩북" scrap-dialog
close_window "프레스레인 스크랩북"
menu alt+a Down Down Return
check "기사 인쇄하기 opens the mail window" opens "프레스레인 기사 -> 메일 발송" mail-window
close_window "프레스레인 기사 -> 메일 발송"
menu alt+o Down Down Return
check "즐겨찾기 opens the bookmarks window" opens "프레스레인 북마크" bookmarks-window
close_window "프레스레인 북마크"
menu alt+h
check "the home-page command opens the home page in the default browser" \
    wait_for 10 opened_is "http://127.0.0.1:$server_port/"
menu alt+e h h Return
check "홈페이지로 가기 opens it as well" wait_for 10 opened_times 2
menu alt+e x
check "Exit asks first" opens "종료확인" exit-question
xdotool key Escape
check "No keeps the program" wait_for 10 not_shown "종료확인"
check "the program runs on" kill -0 "$app_pid"

# Portal search and web-mail login from the status bar.
width=$(xwininfo -id "$win" | awk '/Width:/ {print $2}')
height=$(xwininfo -id "$win" | awk '/Height:/ {print $2}')
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool mousemove --window "$win" 260 $((height - 38 + menu_bar)) click 1
check "포털검색 opens the portal search window" opens "프레스레인 포털검색" portal-search
close_window "프레스레인 포털검색"
xdotool mousemove --window "$win" 322 $((height - 38 + menu_bar)) click 1
check "메일검색 opens the web-mail window" opens "프레스레인 메일검색" webmail
xdotool type --delay 20 "reader01"
xdotool key Tab
xdotool type --delay 20 "pa&ss #1"
# 로그인 while the main browser shows the login form over plain http: that page is not filled, and
# the https login page opens.
xdotool key Tab space
check "the quick login opens the https login page" \
    wait_for 30 requested "https /session/login.html"
sleep 2
check "the login form over plain http was not filled" nothing_filled_over_http
xdotool key Tab space  # 다음로긴
check "the waiting login fills both fields of the https login page" \
    wait_for 30 requested "https /filled?passwd=pa&ss #1&userid=reader01"
sleep 1
import -window root "$shots/webmail-filled.png"
check "nothing was filled over plain http" nothing_filled_over_http
check "nothing was submitted" not_submitted
close_window "프레스레인 메일검색"

# Exit from the menu ends the program and takes the tray icon along.
menu alt+e x
wait_for 10 shown "종료확인"
xdotool key Return
check "Exit with Yes ends the program" wait_for 20 gone "$app_pid"
check "no tray icon remains" bash -c "! xdotool search --pid $app_pid >/dev/null 2>&1"
finish
