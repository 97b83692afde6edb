#!/usr/bin/env bash
# End-to-end: the catalogue menus of the installed program under the test desktop. Rests the
# pointer on category labels, takes a screenshot of each bar with one menu open, and clicks a
# logo. Arguments: build folder, page server, screenshot folder.
build="$1"
page_server="$2"
shots="$3"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

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

install_app
serve "$page_server" 200
port=$served_port
printf 'http://127.0.0.1:%s/start|1\r\n' "$port" >"$app/lane_desk_setting.res"
# A wide window so that every label and the clock are shown.
printf '0|0|24000|14400\r\n' >"$app/lane_desk_x_y_setting.res"

launch "$app/lane_desk"
check "the main window opens on the local start page" \
    wait_for 40 titled '::: 로컬 시작 페이지$'
settle_main_window
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

keys() {  # keys KEYS...: pressed one after another on the active main window
    press_keys "$win" "$@"
    sleep 0.7
}
# The pointer over the page first: that re-anchors the menus after a change of view.
hover_at() {  # hover_at COLUMN Y: rests the pointer on that label of the visible bar, at height Y
    xdotool mousemove --window "$win" 800 500
    sleep 0.3
    xdotool mousemove --window "$win" "$(label_x "$1")" "$2"
    sleep 0.2
    xdotool mousemove --window "$win" "$(($(label_x "$1") + 3))" "$(($2 + 1))"
}
type_address() {  # type_address Y TEXT: clicks into the address box at height Y, types, Enter
    xdotool mousemove --window "$win" 100 "$1" click 1
    sleep 0.3
    xdotool key ctrl+a
    xdotool type --delay 30 "$2"
    xdotool key Return
}
economy_x=$(($(label_x 1) - 43))

# The bottom bar over the browser ("up"): a menu drops over the status bar, and moving onto the
# searches beside it or onto "신문사 모두보기" does nothing, so the menu stays open.
xdotool mousemove --window "$win" "$(button_x 2)" "$button_y" click 1
keys alt+o Down Return
hover_at 1 "$label_y"
check "bar up: resting on 경제신문 drops its menu" \
    wait_for 5 pixel_is "$economy_x" "$menu_probe_y" 75,104,148
status_y=$((menu_bar + (1300 + 195) / 15))
for spot in "198 $status_y 신문검색" "260 $status_y 포털검색" "305 $status_y 메일검색" \
    "864 $label_y 신문사_모두보기"; do
    read -r x y what <<<"$spot"
    xdotool mousemove --window "$win" "$x" "$y"
    sleep 0.5
    check "moving over $what leaves the menu open" pixel_is "$economy_x" "$menu_probe_y" 75,104,148
done

# The wide view lays the category row and the address row over the toolbar: both stay on top and
# usable, with the bottom bar over the browser and under it. Its category labels and menus sit
# 785 twips higher, the address box 780.
wide_label_y=$((label_y - 785 / 15))
wide_probe_y=$((menu_probe_y - 785 / 15))
wide_address_y=$((menu_bar + (120 + 185) / 15))
keys alt+o Return
hover_at 1 "$wide_label_y"
check "wide view, bar up: resting on 경제신문 drops its menu" \
    wait_for 5 pixel_is "$economy_x" "$wide_probe_y" 75,104,148
import -window root "$shots/wide-view-bar-up.png"
type_address "$wide_address_y" "127.0.0.1:$port/links"
check "wide view, bar up: Enter in the address box opens the typed page" \
    wait_for 20 titled '::: 링크 페이지$'
sleep 1
check "a window the page opens by itself stays hidden while blocking is on" not_shown "스스로 뜬 팝업"
# The page's link that opens a new window (the top 240 pixels of the page, which begins 920 twips
# down), clicked: it opens in the main browser.
xdotool mousemove --window "$win" 800 500
sleep 0.3
xdotool mousemove --window "$win" 400 $((menu_bar + 920 / 15 + 100)) click 1
check "a click on a link that opens a new window opens it in the main browser" \
    wait_for 20 titled '::: 사용자가 연 새 창$'
check "no window of its own opens for it" not_shown "사용자가 연 새 창"

keys alt+o Down Return
type_address "$wide_address_y" "127.0.0.1:$port/typed"
check "wide view, bar down: Enter in the address box opens the typed page" \
    wait_for 20 titled '::: 입력한 주소$'
type_address "$wide_address_y" "127.0.0.1:$port/start"
wait_for 20 titled '::: 로컬 시작 페이지$'
hover_at 1 "$wide_label_y"
check "wide view, bar down: resting on 경제신문 drops its menu" \
    wait_for 5 pixel_is "$economy_x" "$wide_probe_y" 75,104,148
import -window root "$shots/wide-view-bar-down.png"

wmctrl -i -c "$win"
wait_for 15 bash -c "! kill -0 $app_pid 2>/dev/null"
finish
