#!/usr/bin/env bash
# End-to-end: the media pane and the channel book on an installed application folder, with the
# product server and a radio station on loopback. Arguments: build folder, media server, lane_desk
# linked for the loopback server, its port, screenshot folder.
build="$1"
server_bin="$2"
lane_loopback="$3"
port="$4"
shots="$5"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
log="$work/server.log"
# The server's log is kept with the screenshots, once the processes it watched have ended.
on_exit() {
    cp "$log" "$shots/server.log" 2>/dev/null
    sleep 1
}

cp949() { printf '%b' "$1" | iconv -f UTF-8 -t CP949; }
# The colour of one pixel of the screen as six hex digits.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -oP '#\K[0-9A-Fa-f]{6}' | head -1; }
sum_of() { echo $((16#${1:0:2} + 16#${1:2:2} + 16#${1:4:2})); }
dark() { local c; c=$(pixel "$1" "$2") && [ -n "$c" ] && [ "$(sum_of "$c")" -lt 90 ]; }
light() { local c; c=$(pixel "$1" "$2") && [ -n "$c" ] && [ "$(sum_of "$c")" -gt 300 ]; }

start_app() {
    launch "$app/lane_desk"
    wait_for 40 has_window "$app_pid" "프레스레인 v4.47 ["*
}
close_app() {
    local id
    id=$(window_of "$app_pid" "프레스레인 v4.47 ["*) && wmctrl -i -c "$id"
    wait_for 20 gone "$app_pid" || kill "$app_pid"
}

install_app
cp "$lane_loopback" "$app/lane_desk"

# The verified list holds two channels before a blank line; the user's book holds the auto-play
# channel and a name that is in both lists.
stream="http://127.0.0.1:$port/stream"
cp949 "d|검증 라디오|$stream?verified\r\nd|같은 이름|$stream?both-verified\r\n\r\nd|숨은 채널|$stream?hidden\r\n" >"$work/list.res"
cp949 "d|내 방송|$stream?mine\r\nd|같은 이름|$stream?both-mine\r\n" >"$app/radiobook.res"
cp949 "내 방송\r\n" >"$app/lane_desk_setting_radio.res"
"$server_bin" "$port" "$work/list.res" >"$log" 2>&1 &
server_pid=$!
pids+=("$server_pid")
wait_for 10 requested ready || { echo "FAILED: media server"; exit 1; }

check "the main window opens" start_app
check "the verified list is fetched at start-up" wait_for 30 requested /soft/lane_desk/radio_guide/radiobook.res
{ cat "$work/list.res"; printf '\r\n'; } >"$work/expected_list.res"
check "radiobook2.res holds the list and one more CR LF" wait_for 10 cmp -s "$app/radiobook2.res" "$work/expected_list.res"
check "the auto-play channel of the own book plays at start-up" wait_for 30 requested "/stream?mine"
check "auto-play requested no other stream" bash -c "! grep '^/stream' '$log' | grep -qvxF '/stream?mine'"
sleep 2

# With the pane hidden the tray icon is all there is: its menu stops the stream.
check "the tray icon appears" wait_for 15 has_tray_icon
click_tray 3
sleep 0.7
shot 01-tray-menu
xdotool key s
check "정지 in the tray menu closes the stream's connection" wait_for 10 requested "closed /stream?mine"

# The window's client area: the bottom bar lies 50 pixels above its lower edge, less the menu bar
# (the panes are laid out from the window's outer height), and the media pane stands on it at the
# left.
main=$(window_of "$app_pid" "프레스레인 v4.47 ["*)
xdotool windowactivate --sync "$main" 2>/dev/null
eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "cx=" $4} /Absolute upper-left Y/ {print "cy=" $4} /Height:/ {print "ch=" $2}')"
bar_top=$((cy + ch - 50 + menu_bar))
pane_top=$((bar_top - 216))
player_x=$((cx + 20)) player_y=$((pane_top + 20))
check "the pane is hidden after start-up while the stream plays" light "$player_x" "$player_y"
shot 02-started

xdotool mousemove $((cx + 80)) $((bar_top + 13)) click 1
check "the media button shows the pane" wait_for 5 dark "$player_x" "$player_y"

# The control strip below the player: a row for the now-playing title, then play or pause, stop,
# mute and the volume. A white point in the middle of the first button is the play triangle; the
# pause sign has a gap there.
pane_left=$((cx + 3))
strip_y=$((pane_top + 141)) title_y=$((pane_top + 111))
play_x=$((pane_left + 17)) stop_x=$((pane_left + 42))
streams() { grep -c '^/stream?mine$' "$log"; }
closed() { grep -c '^closed /stream?mine$' "$log"; }
count_is() { [ "$("$1")" -eq "$2" ]; }
white() { local c; c=$(pixel "$1" "$2") && [ -n "$c" ] && [ "$(sum_of "$c")" -gt 600 ]; }
play_sign() { white "$play_x" "$strip_y"; }
pause_sign() { ! play_sign; }
# Light pixels in the title row, from X pixels into it to its end.
title_pixels() {
    import -window root -crop "$((150 - $1))x16+$((pane_left + 8 + $1))+$title_y" -depth 8 txt:- 2>/dev/null |
        grep -oP '^\d+,\d+: \(\K\d+,\d+,\d+' | awk -F, '$1 + $2 + $3 > 400' | wc -l
}
# "Loopback Tune" reaches further to the right than "연결 중..." while the stream opens.
title_shown() { [ "$(title_pixels 60)" -gt 20 ]; }
title_empty() { [ "$(title_pixels 0)" -eq 0 ]; }
away() { xdotool mousemove $((cx + 600)) $((cy + 300)); }
away
check "the stopped strip shows the play sign" wait_for 5 play_sign
check "and no title" title_empty
xdotool mousemove "$play_x" "$strip_y" click 1
away
check "the play button opens the stream again" wait_for 10 count_is streams 2
check "the strip shows the pause sign while it plays" wait_for 10 pause_sign
check "the stream's title shows in the strip" wait_for 15 title_shown
sleep 1
shot 03-strip-playing
import -window root -crop "700x300+$((pane_left - 10))+$((pane_top - 38))" "$shots/media-controls.png" 2>/dev/null
xdotool mousemove "$stop_x" "$strip_y" click 1
away
check "the stop button closes the stream's connection" wait_for 10 count_is closed 2
check "the stopped strip shows the play sign again" wait_for 5 play_sign
check "and the title is gone" wait_for 5 title_empty
shot 04-strip-stopped
# The keyboard: the stop button, disabled once stopped, handed the focus on to mute; Shift+Tab
# goes back to play, Space plays, S stops.
xdotool key shift+Tab
sleep 0.2
xdotool key space
check "Space on the play button plays" wait_for 10 count_is streams 3
check "the pause sign shows" wait_for 10 pause_sign
xdotool key s
check "S stops" wait_for 10 count_is closed 3
# The pane's context menu, opened on the title row.
xdotool mousemove "$play_x" "$strip_y" click 1
check "playing once more" wait_for 10 count_is streams 4
xdotool mousemove $((pane_left + 80)) $((title_y + 8)) click 3
sleep 0.7
shot 05-pane-menu
xdotool key s
check "정지 in the pane's context menu stops" wait_for 10 count_is closed 4
away

choose() {  # choose N: picks the Nth entry (from 0) of the my-radio list with the keyboard
    xdotool mousemove $((cx + 60)) $((pane_top + 167)) click 1
    sleep 0.3
    xdotool key alt+Down
    sleep 0.5
    xdotool key Home
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key Return
}
choose 0
check "choosing the first verified channel plays it" wait_for 15 requested "/stream?verified"
sleep 2
shot 06-verified-channel
choose 1
# The own address is replaced at once by the verified one, often before its request goes out.
check "a name in both lists plays the verified address" \
    wait_for 15 bash -c "grep '^/stream' '$log' | tail -1 | grep -qxF '/stream?both-verified'"
check "the channel after the blank line is not listed" bash -c "! grep -q hidden '$log'"

# Form10 from the pane's settings button.
xdotool mousemove $((cx + 30)) $((pane_top + 197)) click 1
check "the media settings window opens" wait_for 20 has_window "$app_pid" "프레스레인 미디어 설정"
sleep 3
shot 07-form10
form=$(window_of "$app_pid" "프레스레인 미디어 설정")
eval "$(xwininfo -id "$form" | awk '/Absolute upper-left X/ {print "fx=" $4} /Absolute upper-left Y/ {print "fy=" $4} /Width:/ {print "fw=" $2}')"
check "the settings window is 11220 twips (748 pixels) wide with its frame" \
    bash -c "[ $fw -ge 730 ] && [ $fw -le 748 ]"
check "the settings window is centred on the screen" \
    bash -c "[ $((fx + fw / 2)) -ge 790 ] && [ $((fx + fw / 2)) -le 810 ]"
xdotool mousemove $((fx + 150)) $((fy + 57)) click 1
xdotool type --delay 30 "Loop FM|2"
xdotool mousemove $((fx + 150)) $((fy + 101)) click 1
xdotool type --delay 30 "$stream?added"
xdotool mousemove $((fx + 310)) $((fy + 58)) click 1
check "adding shows the saved box" wait_for 10 has_window "$app_pid" "saved"
shot 08-saved
xdotool key Return
check "the channel is appended with the bar stored as a full-width bar" wait_for 5 \
    bash -c "LC_ALL=C grep -qaP '^[^|]+\|Loop FM\xA3\xFC2\|http://127\.0\.0\.1:$port/stream\?added\r\$' '$app/radiobook.res'"
cp949 "d|내 방송|$stream?mine\r\nd|같은 이름|$stream?both-mine\r\n" >"$work/book_start.res"
check "the book keeps its first lines" \
    cmp -s "$work/book_start.res" <(head -c "$(wc -c <"$work/book_start.res")" "$app/radiobook.res")
# After a message box the keyboard stays in the window's own controls, not in a board: Tab from
# the add button reaches the address box.
xdotool mousemove $((fx + 150)) $((fy + 57)) click 1
xdotool type --delay 30 "Only a name"
xdotool mousemove $((fx + 310)) $((fy + 58)) click 1
check "adding without an address asks for one" wait_for 10 has_window "$app_pid" "알림"
xdotool key Return
wait_for 10 no_window "$app_pid" "알림"
sleep 0.5
xdotool key Tab
xdotool type --delay 30 "$stream?kept"
xdotool mousemove $((fx + 150)) $((fy + 57)) click 1
xdotool type --delay 30 "Kept FM"
xdotool mousemove $((fx + 310)) $((fy + 58)) click 1
check "after a message box Tab and typing still reach the address box" \
    wait_for 10 has_window "$app_pid" "saved"
xdotool key Return
check "the channel typed after the message box is added" wait_for 5 \
    bash -c "LC_ALL=C grep -qaF '|Kept FM|' '$app/radiobook.res'"
wmctrl -i -c "$form"
check "the settings window closes" wait_for 10 no_window "$app_pid" "프레스레인 미디어 설정"

# Double-clicking the player fills the screen with it; a second double-click brings it back.
xdotool mousemove "$player_x" "$player_y" click --repeat 2 --delay 80 1
check "a double-click shows the player full screen" wait_for 10 dark 1500 300
xdotool mousemove 1500 300 click --repeat 2 --delay 80 1
check "a second double-click puts it back into the pane" wait_for 10 light 1500 300
check "the pane is shown again after full screen" wait_for 5 dark "$player_x" "$player_y"

# Dragging the player onto the main browser moves the pane there (the grab offset of a press at
# 300, 300 twips in the normal view is 340, -666; the browser starts 1300 twips below the client's
# top), and the old place shows the page again.
xdotool mousemove "$player_x" "$player_y" mousedown 1
sleep 0.3
xdotool mousemove $((cx + 400)) $((cy + 300))
sleep 0.2
xdotool mousemove $((cx + 700)) $((cy + 400))
sleep 0.3
xdotool mouseup 1
new_left=$((cx + 700 - 340 / 15)) new_top=$((cy + 400 - 1300 / 15 + 666 / 15))
check "the dropped pane stands where the grab offset puts it" wait_for 5 dark $((new_left + 30)) $((new_top + 30))
check "the pane left its old place" wait_for 5 light "$player_x" "$player_y"
shot 09-dragged
close_app

# Without a server the verified list becomes one empty line.
kill "$server_pid" 2>/dev/null
wait "$server_pid" 2>/dev/null
check "the main window opens without the server" start_app
printf '\r\n' >"$work/empty_list.res"
check "a failed refresh leaves one empty line" wait_for 30 cmp -s "$app/radiobook2.res" "$work/empty_list.res"
close_app

finish
