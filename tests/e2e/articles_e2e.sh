#!/usr/bin/env bash
# End-to-end: the scrapbook, the bookmarks and article mail. On the installed program: saves a scrap
# from a loaded page, lists it in the scrapbook pane, reopens scraps, saves one more after the list
# was shown (and one on a full disk, set with prlimit), deletes a scrap, adds a bookmark
# and opens it from the address box, opens and closes the mail window. The product server is a
# build setting, so mail is sent from the program linked for a loopback product server
# (lane_desk_loopback, copied into the same application folder): once to a mail form that answers
# 200 and once to one that answers 500. The loopback server logs every request, which shows what
# each browser loaded. Arguments: build folder, article server, lane_desk_loopback, its product
# server port, screenshot folder.
build="$1"
article_server="$2"
loopback_program="$3"
server_port="$4"
shots="$5"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
log="$work/requests.log"

main_window() { window_titled "프레스레인 v4.47 ["; }
requests() { grep -cxF -- "$1" "$log" 2>/dev/null; }
requested_times() { [ "$(requests "$1")" -ge "$2" ]; }
lines_in() { [ -f "$1" ] && [ "$(grep -c '' "$1")" -eq "$2" ]; }

click() {  # click X Y: a left click at a point of the main window's client area
    xdotool mousemove --window "$win" "$1" "$2" click 1
}
answer() {  # answer TITLE: presses Enter (OK, or Yes) in the message box of that title
    wait_for 10 shown "$1" && xdotool windowactivate --sync "$(window_titled "$1")" 2>/dev/null
    xdotool key Return
    wait_for 10 not_shown "$1"
}

install_app
serve "$article_server" 280 "$log" "$server_port"
port=$served_port
base="http://127.0.0.1:$port"
printf '%s/article?id=1|1\r\n' "$base" >"$app/lane_desk_setting.res"
printf '0|0|24000|14400\r\n' >"$app/lane_desk_x_y_setting.res"

launch "$app/lane_desk"
check "the main window opens on the article" wait_for 40 titled '::: 스크랩할 기사$'
settle_main_window
width=$(xwininfo -id "$win" | awk '/Width:/ {print $2}')
height=$(xwininfo -id "$win" | awk '/Height:/ {print $2}')

# Client-area points: the tool strip hangs in the bottom right corner, the address bar and the
# toolbar sit at fixed places under the menu bar, and the scrapbook buttons follow the address box
# in Frame9.
scrap_tool=("$((width - 112))" "$((height - 38 + menu_bar))")
mail_tool=("$((width - 39))" "$((height - 38 + menu_bar))")
my_scrap=(420 $((menu_bar + 35)))
bookmark_button=(187 $((menu_bar + 71)))
address_box=(64 $((menu_bar + 71)))
delete_one=(355 $((menu_bar + 68)))
second_row=(200 $((menu_bar + 134)))

# A scrap of the page in the main browser: the title holds a bar, as titles copied from pages do.
click "${scrap_tool[@]}"
check "the scrap dialog opens" wait_for 10 shown "프레스레인 스크랩북"
import -window root "$shots/articles-scrap-dialog.png"
xdotool type --delay 20 "Today | Paper"
xdotool key Return
check "saving tells so" answer "saved"
check "the dialog closes after saving" wait_for 10 not_shown "프레스레인 스크랩북"
today=$(LC_ALL=C grep -aoP '^[^|]*' "$app/scrapbook.res" | head -1)
check "the scrap holds the date, the title with the bar kept inside it and the page's address" \
    bytes_are "$app/scrapbook.res" "$today|Today \\xa3\\xfc Paper|$base/article?id=1\\r\\n"

# An older scrap from another day, its line left without its CR LF, then the scrapbook pane: the
# list shows both and the preview opens the first.
printf 'old day|Second|%s/bookmarked?s=2%%7C%%ED%%95%%9C' "$base" >>"$app/scrapbook.res"
before=$(requests "/article?id=1")
click "${my_scrap[@]}"
check "MY스크랩 reopens the first scrap in the preview browser" \
    wait_for 15 requested_times "/article?id=1" "$((before + 1))"
sleep 1
import -window root "$shots/articles-scrapbook-pane.png"
xdotool mousemove --window "$win" "${second_row[@]}" click --repeat 2 --delay 120 1
check "a double-click opens that scrap in the preview browser" \
    wait_for 15 requested_times "/bookmarked?s=2|한" 1
check "the main browser stays on its page" titled '::: 스크랩할 기사$'
sleep 1

# A scrap of the preview's page saved after the list was shown: it starts a line of its own and
# keeps the address as the browser sends it.
click "${scrap_tool[@]}"
wait_for 10 shown "프레스레인 스크랩북"
xdotool type --delay 20 "Later"
xdotool key Return
check "the later scrap is saved" answer "saved"
wait_for 10 not_shown "프레스레인 스크랩북"
first_line="$today|Today \\xa3\\xfc Paper|$base/article?id=1\\r\\n"
second_line="old day|Second|$base/bookmarked?s=2%7C%ED%95%9C\\r\\n"
later_line="$today|Later|$base/bookmarked?s=2%7C%ED%95%9C\\r\\n"
check "the unfinished last line was ended before the later scrap, whose address is encoded" \
    bytes_are "$app/scrapbook.res" "$first_line$second_line$later_line"

# On a full disk a save says so and changes nothing; the scrap dialog stays open.
prlimit --pid "$app_pid" --fsize="$(stat -c %s "$app/scrapbook.res"):"
click "${scrap_tool[@]}"
wait_for 10 shown "프레스레인 스크랩북"
xdotool type --delay 20 "Lost"
xdotool key Return
wait_for 10 shown "에러" && sleep 0.5
import -window root "$shots/articles-scrap-save-failed.png"
check "a save on a full disk tells the user it failed" answer "에러"
check "and shows no success" not_shown "saved"
check "the dialog stays open after the failure" shown "프레스레인 스크랩북"
check "the scrapbook is as it was" bytes_are "$app/scrapbook.res" "$first_line$second_line$later_line"
prlimit --pid "$app_pid" --fsize=unlimited:
wmctrl -i -c "$(window_titled "프레스레인 스크랩북")"
wait_for 10 not_shown "프레스레인 스크랩북"

# Deleting the selected (second) scrap takes only its line out of the file: the later scrap, which
# the list does not show, stays.
click "${second_row[@]}"
click "${delete_one[@]}"
check "deleting asks first" answer "기사삭제"
check "the file keeps the two other scraps" wait_for 10 lines_in "$app/scrapbook.res" 2
check "the first and the later scrap remain" \
    bytes_are "$app/scrapbook.res" "$first_line$later_line"

# A bookmark added in the bookmarks window: the address box gets the focus, the name goes first.
click "${bookmark_button[@]}"
check "the bookmarks window opens" wait_for 10 shown "프레스레인 북마크"
xdotool type --delay 20 "$base/bookmarked?b=1"
xdotool key shift+Tab
xdotool type --delay 20 "Two Words"
import -window root "$shots/articles-bookmarks-window.png"
xdotool key Tab Tab space
check "adding tells so" answer "saved"
check "the window closes after adding" wait_for 10 not_shown "프레스레인 북마크"
check "the bookmark file holds the name with its inner space and the address" \
    bytes_are "$app/bookmark.res" "Two Words|$base/bookmarked?b=1\\r\\n"

# The address box's list offers the name; picking it opens the bookmark in the main browser.
click "${address_box[@]}"
xdotool key alt+Down
sleep 0.5
import -window root "$shots/articles-address-box-list.png"
xdotool key Return
check "picking the name opens the bookmarked page" wait_for 15 titled '::: 북마크한 사이트$'
check "the bookmark was loaded from the server" requested_times "/bookmarked?b=1" 1

# Opening and closing the bookmarks window leaves the file as it was.
click "${bookmark_button[@]}"
wait_for 10 shown "프레스레인 북마크"
sleep 0.5
import -window root "$shots/articles-bookmarks-list.png"
wmctrl -i -c "$(window_titled "프레스레인 북마크")"
check "the close box closes the bookmarks window" wait_for 10 not_shown "프레스레인 북마크"
check "closing rewrites the same bookmark" \
    bytes_are "$app/bookmark.res" "Two Words|$base/bookmarked?b=1\\r\\n"

# The mail window opens with its boxes and keeps them on closing.
click "${mail_tool[@]}"
check "the mail window opens" wait_for 10 shown "프레스레인 기사 -> 메일 발송"
xdotool type --delay 20 "friend@mail.kr"
import -window root "$shots/articles-mail-window.png"
wmctrl -i -c "$(window_titled "프레스레인 기사 -> 메일 발송")"
check "the close box closes the mail window" wait_for 10 not_shown "프레스레인 기사 -> 메일 발송"
check "closing saves the three boxes" bytes_are "$app/info.res" 'friend@mail.kr||\r\n'

wmctrl -i -c "$win"
check "the program ends" wait_for 15 bash -c "! kill -0 $app_pid 2>/dev/null"

# Mail from the program whose product server is the loopback server.
cp "$loopback_program" "$app/lane_desk_loopback"
launch "$app/lane_desk_loopback"
check "the loopback-server program opens on the article" wait_for 40 titled '::: 스크랩할 기사$'
settle_main_window
mail_is() { grep -qxF -- "mail $1" "$log"; }

click "${mail_tool[@]}"
check "the mail window shows the saved recipient" wait_for 10 shown "프레스레인 기사 -> 메일 발송"
xdotool key Tab
xdotool type --delay 20 "Hong & Co #1"
xdotool key Tab
xdotool type --delay 20 "me=100%@y.kr?"
xdotool key Tab Tab space
check "a mail form that answers 200 is reported as sent" wait_for 20 shown "발송성공"
import -window root "$shots/articles-mail-sent.png"
check "the recipient arrived whole" mail_is "email=friend@mail.kr"
check "the sender's name with & and # arrived whole" mail_is "sender_name=Hong & Co #1"
check "the sender's address with = % ? arrived whole" mail_is "sender_email=me=100%@y.kr?"
check "the article address with its own query arrived as one parameter" \
    mail_is "url=$base/article?id=1"
answer "발송성공"
check "the mail window closes after sending" wait_for 10 not_shown "프레스레인 기사 -> 메일 발송"
check "the sent values are kept" bytes_are "$app/info.res" 'friend@mail.kr|Hong & Co #1|me=100%@y.kr?\r\n'

touch "$log.fail"
sent_before=$(grep -c '^mail email=' "$log")
click "${mail_tool[@]}"
wait_for 10 shown "프레스레인 기사 -> 메일 발송"
xdotool key Tab Tab Tab Tab space
check "a mail form that answers 500 is told as not sent" wait_for 25 shown "발송실패"
check "the failed request reached the mail form" test "$(grep -c '^mail email=' "$log")" -gt "$sent_before"
check "no success is shown for it" not_shown "발송성공"
import -window root "$shots/articles-mail-failed.png"
answer "발송실패"
check "the mail window stays open with what was typed" shown "프레스레인 기사 -> 메일 발송"
wmctrl -i -c "$(window_titled "프레스레인 기사 -> 메일 발송")"
wait_for 10 not_shown "프레스레인 기사 -> 메일 발송"
wmctrl -i -c "$win"
check "the loopback-server program ends" wait_for 15 bash -c "! kill -0 $app_pid 2>/dev/null"

finish
