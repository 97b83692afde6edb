#!/usr/bin/env bash
# End-to-end: the catalogue menus of the installed program under the test desktop. Rests the
# pointer on category labels, takes a screenshot of each bar with one menu open, and clicks a
# logo. Arguments: build folder, page server, screenshot folder.
set -uo pipefail
build="$1"
page_server="$2"
shots="$3"
mkdir -p "$shots"
work=$(mktemp -d)
app="$work/PressLane"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

caption() { local id; id=$(main_window) && xdotool getwindowname "$id" 2>/dev/null; }
titled() { caption | grep -qP -- "$1"; }

# Pixel colour at a point of the main window's client area, as "R,G,B".
pixel() {
    local ox oy
    ox=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print $4}')
    oy=$(xwininfo -id "$win" | awk '/Absolute upper-left Y/ {print $4}')
    import -window root -crop "1x1+$((ox + $1))+$((oy + $2))" -depth 8 txt:- 2>/dev/null |
        grep -oP '\(\K[0-9]+,[0-9]+,[0-9]+' | head -1
}
last_pixel=
pixel_is() { last_pixel=$(pixel "$1" "$2"); [ "$last_pixel" = "$3" ]; }
pixel_is_not() { last_pixel=$(pixel "$1" "$2"); [ -n "$last_pixel" ] && [ "$last_pixel" != "$3" ]; }

# Window coordinates in pixels (15 twips each) below the menu bar: the category labels sit at
# 3405 + 1440 k twips, 165 twips into the category row (780 down); their menus drop 1220 twips
# down; the toolbar's buttons are 1140 twips apart.
label_x() { echo $(((3405 + 1440 * $1) / 15 + 46)); }
label_y=$((menu_bar + 72))
menu_probe_y=$((menu_bar + 1300 / 15 + 12))  # below the bar, in the menu's left margin beside its logos
first_logo_y=$((menu_bar + (1220 + 120) / 15 + 9))
button_x() { echo $(((60 + 1140 * ($1 - 1)) / 15 + 37)); }
button_y=$((menu_bar + 26))

hover() {  # hover COLUMN: rests the pointer on that label of the visible bar
    xdotool mousemove --window "$win" "$(label_x "$1")" "$label_y"
    sleep 0.2
    xdotool mousemove --window "$win" "$(($(label_x "$1") + 3))" "$((label_y + 1))"
}

cmake --install "$build" --prefix "$app" >/dev/null || { echo "FAILED: install"; exit 1; }
port_file="$work/port"
"$page_server" 200 >"$port_file" &
pids+=("$!")
wait_for 5 test -s "$port_file"
port=$(head -1 "$port_file")
printf 'http://127.0.0.1:%s/start|1\r\n' "$port" >"$app/lane_desk_setting.res"
# A wide window so that every label and the clock are shown.
printf '0|0|24000|14400\r\n' >"$app/lane_desk_x_y_setting.res"

"$app/lane_desk" >"$work/lane_desk.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
check "the main window opens on the local start page" \
    wait_for 40 titled '::: 로컬 시작 페이지$'
win=$(main_window)
sleep 6  # the splash closes after five seconds
xdotool windowactivate --sync "$win" 2>/dev/null
# A pointer left over a label from before would open its menu: start from the page.
xdotool mousemove --window "$win" 800 500
sleep 0.5

# Newspaper bar: "경제신문" drops its menu in the bar's colour.
probe_x=$(($(label_x 1) - 43))
check "no menu before the pointer rests on a label" pixel_is_not "$probe_x" "$menu_probe_y" 75,104,148
hover 1
check "resting on 경제신문 drops its menu" wait_for 5 pixel_is "$probe_x" "$menu_probe_y" 75,104,148
import -window root "$shots/bar-newspapers-menu-economy.png"

# A click on its first logo closes the menu and sends the main browser to that site (the machine
# has no internet: the request is seen in the caption, which follows the browser's page).
xdotool mousemove --window "$win" "$(label_x 1)" "$first_logo_y"
sleep 0.3
check "the menu stays open over its own logos" pixel_is "$probe_x" "$menu_probe_y" 75,104,148
xdotool click 1
check "the logo click navigates the main browser to the site" \
    wait_for 20 titled 'hankyung\.com'
check "the logo click closes the menu" wait_for 5 pixel_is_not "$probe_x" "$menu_probe_y" 75,104,148
import -window root "$shots/after-logo-click.png"

# The other bars: each switched with its toolbar button, one menu opened over the page.
declare -A colour=([3]=128,0,128 [4]=64,64,64 [5]=53,113,61)
declare -A name=([3]=special-papers [4]=working-life [5]=entertainment)
for button in 3 4 5; do
    xdotool mousemove --window "$win" "$(button_x "$button")" "$button_y" click 1
    sleep 1
    hover 2
    check "bar ${name[$button]}: a menu opens in the bar's colour" \
        wait_for 5 pixel_is "$(($(label_x 2) - 43))" "$menu_probe_y" "${colour[$button]}"
    import -window root "$shots/bar-${name[$button]}-menu.png"
done

# The pointer straight onto a toolbar button closes the open menu before the click.
xdotool mousemove --window "$win" "$(button_x 1)" "$button_y"
check "moving onto the toolbar closes the menu" \
    wait_for 5 pixel_is_not "$(($(label_x 2) - 43))" "$menu_probe_y" "${colour[5]}"
xdotool click 1
sleep 1
import -window root "$shots/bar-start-page-commands.png"

wmctrl -i -c "$win"
wait_for 15 bash -c "! kill -0 $app_pid 2>/dev/null"
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
