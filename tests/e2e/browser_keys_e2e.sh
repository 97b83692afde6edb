#!/usr/bin/env bash
# End-to-end: the keys of the main window typed into a page and into the address box, the find
# bar, the page zoom across a restart, a file a page offers, and the page's context menu, on the
# installed program against a loopback server that logs every request. The default web browser is
# a stand-in that writes down what it was asked to open; the downloads folder is the scratch
# folder's own. Arguments: build folder, browse server, screenshot folder.
build="$1"
browse_server="$2"
shots="$3"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
log="$work/requests.log"
opened="$work/opened"
downloads="$work/downloads"

requests_of() { grep -cxF -- "$1" "$log" 2>/dev/null; }
requested_times() { [ "$(requests_of "$1")" -eq "$2" ]; }
opened_is() { [ -f "$opened" ] && [ "$(tail -1 "$opened")" = "$1" ]; }
# The page's pixels: a part of the browser below the address row, as raw bytes.
page_pixels() { import -window "$(main_window)" -crop 700x420+40+140 rgb:- 2>/dev/null; }
# The pixels the page shows now are the same as those kept in the file.
page_is() { page_pixels | cmp -s - "$1"; }
page_is_not() { ! page_is "$1"; }
# The bottom right corner of the page, where the find bar lies, shows nothing but the white of
# the long page (its lines are short).
find_bar_area_white() {
    [ "$(import -window "$(main_window)" -crop 360x16+1000+820 -format '%[fx:minima]' info: 2>/dev/null)" = 1 ]
}
find_bar_shown() { ! find_bar_area_white; }
# Somewhere on the page that is neither a link nor anything else: the keyboard goes to the page.
click_page() { xdotool mousemove --window "$(main_window)" 900 600 click 1; sleep 0.3; }
open_typed() {  # open_typed ADDRESS: Ctrl+L, the address typed over the selected text, Enter
    xdotool key ctrl+l
    sleep 0.3
    xdotool type --delay 30 "$1"
    xdotool key Return
}

# What the downloads folder held, when an expectation failed.
on_exit() { [ "$failures" -eq 0 ] || ls -la "$downloads"; }

install_app
mkdir -p "$work/bin" "$work/config" "$downloads"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
export XDG_CONFIG_HOME="$work/config"
printf 'XDG_DOWNLOAD_DIR="%s"\n' "$downloads" >"$work/config/user-dirs.dirs"
serve "$browse_server" 280 "$log"
base="http://127.0.0.1:$served_port"
printf '%s/first|0\r\n' "$base" >"$app/lane_desk_setting.res"
printf '1500|0|21000|13500\r\n' >"$app/lane_desk_x_y_setting.res"

launch "$app/lane_desk"
check "the start page opens" wait_for 40 titled '::: 첫째 기사$'
settle_main_window

# Keys typed while the keyboard is inside the page.
click_page
xdotool key F5
check "F5 asks the server for the page again" wait_for 10 requested_times /first 2
xdotool key ctrl+r
check "Ctrl+R too" wait_for 10 requested_times /first 3
xdotool mousemove --window "$(main_window)" 300 250 click 1
check "the link opens the second page" wait_for 10 titled '::: 둘째 기사$'
click_page
xdotool key alt+Left
check "Alt+Left goes back" wait_for 10 titled '::: 첫째 기사$'
xdotool key alt+Right
check "Alt+Right goes forward" wait_for 10 titled '::: 둘째 기사$'

# Ctrl+L from inside the page: the address box takes what is typed over its selected text.
click_page
open_typed "127.0.0.1:$served_port/typed"
check "Ctrl+L, typing and Enter open the typed address" wait_for 10 titled '::: 입력한 주소$'

# Find: the word is on the long page seven times. The first match shows, each Enter shows the
# next one further down, and the eighth Enter is back at the first.
open_typed "$base/long"
wait_for 10 titled '::: 긴 기사$'
click_page
xdotool key ctrl+f
sleep 0.5
xdotool type --delay 100 "특종"
sleep 1
page_pixels >"$work/match1"
shot find-bar
check "the find bar shows over the bottom of the page" find_bar_shown
matches=0
for i in $(seq 1 9); do
    xdotool key Return
    sleep 0.6
    if page_is "$work/match1"; then
        matches=$i
        break
    fi
done
check "Ctrl+F finds the Korean word seven times in the long page" test "$matches" -eq 7
xdotool key Escape
sleep 0.5
shot find-bar-closed
check "Esc closes the find bar" find_bar_area_white

# Zoom: Ctrl+plus makes the page larger, and the next start shows it at that size.
open_typed "$base/first"
wait_for 10 titled '::: 첫째 기사$'
click_page
sleep 0.5
page_pixels >"$work/normal"
xdotool key ctrl+plus
sleep 1
page_pixels >"$work/zoomed"
check "Ctrl+plus makes the page larger" page_is_not "$work/normal"
check "the size is written to its own record file" bytes_are "$app/lane_desk_zoom.res" '110\r\n'

# Downloads: the link's file lands in the downloads folder, and a second one beside it.
open_typed "$base/files"
wait_for 10 titled '::: 자료실$'
xdotool mousemove --window "$(main_window)" 300 250 click 1
check "the offered file is saved with the served bytes" \
    wait_for 15 bytes_are "$downloads/report.pdf" '%PDF-1.4\n\001\002\003 presslane\n'
sleep 1
shot download-done
xdotool mousemove --window "$(main_window)" 300 250 click 1
check "a second one gets a name of its own" \
    wait_for 15 bytes_are "$downloads/report (2).pdf" '%PDF-1.4\n\001\002\003 presslane\n'
check "the first one is left as it was" \
    bytes_are "$downloads/report.pdf" '%PDF-1.4\n\001\002\003 presslane\n'

# The context menu of a link: its first entry opens the link in the default browser.
open_typed "$base/first"
wait_for 10 titled '::: 첫째 기사$'
sleep 0.5
xdotool mousemove --window "$(main_window)" 300 250 click 3
sleep 0.7
shot context-menu
xdotool key Down Return
check "the context menu opens the link in the default browser" \
    wait_for 10 opened_is "$base/second"

wmctrl -i -c "$(main_window)"
wait_for 15 gone "$app_pid"
launch "$app/lane_desk"
check "the start page opens again" wait_for 40 titled '::: 첫째 기사$'
settle_main_window
sleep 1
check "the page shows at the size chosen in the last run" wait_for 5 page_is "$work/zoomed"
wmctrl -i -c "$(main_window)"
wait_for 15 gone "$app_pid"

finish
