#!/usr/bin/env bash
# End-to-end: the product server (lane_server) publishing the project's tree on loopback, with an
# SMTP sink as its mail relay, and the installed program linked for that server. The program counts
# its start, fills its radio list from the published channel list, opens the radio guide and the
# all-newspapers page, and mails an article, which the sink receives. Arguments: build folder,
# lane_server, the published tree, lane_desk linked for the loopback server, its port, screenshot
# folder.
build="$1"
lane_server="$2"
site="$3"
lane_loopback="$4"
port="$5"
shots="$6"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
log="$work/server.log"
smtp_port=$((port + 2000))
base="http://127.0.0.1:$port"
on_exit() { cp "$log" "$shots/server.log" 2>/dev/null; }

cp949() { printf '%b' "$1" | iconv -f UTF-8 -t CP949; }
# served PATH STATUS: the server logged a request of that path answered with that status.
served() { grep -qF -- " GET $1 $2 " "$log"; }
titled_page() { xdotool getwindowname "$win" 2>/dev/null | grep -qF -- "::: $1"; }

install_app
cp "$lane_loopback" "$app/lane_desk"

# The published tree, with an article page of the test's own.
cp -r "$site" "$work/site"
printf '<html><head><meta charset="utf-8"><title>오늘의 기사</title></head><body><h1>오늘의 기사</h1></body></html>' \
    >"$work/site/article.html"
printf '%s/article.html|1\r\n' "$base" >"$app/lane_desk_setting.res"
printf '0|0|24000|14400\r\n' >"$app/lane_desk_x_y_setting.res"
cp949 "friend@mail.kr|홍길동|hong@example.co.kr\r\n" >"$app/info.res"

mkdir -p "$work/mail"
/usr/bin/python3 -m aiosmtpd -n -l "127.0.0.1:$smtp_port" -c aiosmtpd.handlers.Mailbox \
    "$work/mail/box" >"$work/smtp.log" 2>&1 &
pids+=("$!")
# The port may still be held for a moment by the server of a test that ran just before.
start_server() {
    "$lane_server" --root "$work/site" --host 127.0.0.1 --port "$port" \
        --counter "$work/counter.txt" --smtp-relay "smtp://127.0.0.1:$smtp_port" \
        --mail-from mail@presslane.example >"$log" 2>&1 &
    server_pid=$!
    wait_for 5 grep -q "^lane_server: publishing" "$log" && return 0
    kill "$server_pid" 2>/dev/null
    sleep 1
    return 1
}
wait_for 30 start_server || { echo "FAILED: lane_server"; cat "$log"; exit 1; }
pids+=("$server_pid")
wait_for 10 bash -c "exec 3<>/dev/tcp/127.0.0.1/$smtp_port" || { echo "FAILED: SMTP sink"; exit 1; }

launch "$app/lane_desk"
check "the main window opens on the article" wait_for 40 titled '::: 오늘의 기사$'
check "the start is counted once" wait_for 20 bytes_are "$work/counter.txt" '1\n'
check "the published channel list is fetched" served /soft/lane_desk/radio_guide/radiobook.res 200
{ cat "$site/soft/lane_desk/radio_guide/radiobook.res"; printf '\r\n'; } >"$work/expected_list.res"
check "radiobook2.res holds the published list" \
    wait_for 10 cmp -s "$app/radiobook2.res" "$work/expected_list.res"
settle_main_window
eval "$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print "cx=" $4} /Absolute upper-left Y/ {print "cy=" $4} /Width:/ {print "cw=" $2} /Height:/ {print "ch=" $2}')"

# The article mailed: the mail window's boxes hold what info.res gave them.
xdotool mousemove --window "$win" $((cw - 39)) $((ch - 38 + menu_bar)) click 1
check "the mail window opens" wait_for 10 shown "프레스레인 기사 -> 메일 발송"
sleep 1
shot product-mail-window
xdotool key Tab Tab Tab Tab space
check "the mail form's answer is told as sent" wait_for 30 shown "발송성공"
shot product-mail-sent
check "the mail form answered 200" served /soft/lane_desk/sendmail.php 200
check "the sink received one mail" wait_for 10 bash -c "[ \$(ls '$work/mail/box/new' | wc -l) -eq 1 ]"
check "the mail has the recipient, the encoded subject, the article and the Korean text" \
    /usr/bin/python3 - "$work/mail/box" "$base/article.html" <<'PY'
import mailbox, sys
from email import policy
from email.parser import BytesParser
box, article = sys.argv[1], sys.argv[2]
(raw,) = [m.as_bytes() for m in mailbox.Maildir(box, factory=None)]
msg = BytesParser(policy=policy.default).parsebytes(raw)
body = msg.get_content()
ok = (msg["To"] == "<friend@mail.kr>" or msg["To"] == "friend@mail.kr") and \
    msg["X-RcptTo"] == "friend@mail.kr" and \
    str(msg["Subject"]) == "[프레스레인] 홍길동님이 보낸 기사" and \
    msg["Reply-To"] in ("<hong@example.co.kr>", "hong@example.co.kr") and \
    msg.get_content_charset() == "utf-8" and \
    "홍길동님이 프레스레인에서 기사를 보냈습니다." in body and \
    ("기사 주소: " + article) in body and \
    all(b < 0x80 for b in raw)
if not ok:
    print(raw.decode("ascii", "replace"))
    print(body)
sys.exit(0 if ok else 1)
PY
xdotool windowactivate --sync "$(window_titled "발송성공")" 2>/dev/null
xdotool key Return
check "the mail window closes after sending" wait_for 10 not_shown "프레스레인 기사 -> 메일 발송"

# The media pane stands on the bottom bar; its list shows the published channels first.
bar_top=$((cy + ch - 50 + menu_bar))
pane_top=$((bar_top - 216))
xdotool mousemove $((cx + 80)) $((bar_top + 13)) click 1
sleep 1
xdotool mousemove $((cx + 60)) $((pane_top + 167)) click 1
sleep 0.3
xdotool key alt+Down
sleep 1
shot product-radio-list
xdotool key Escape
sleep 0.3

# 편성표 in the media pane opens the radio guide.
xdotool mousemove $((cx + 86)) $((pane_top + 197)) click 1
check "the radio guide is served" wait_for 15 served /soft/lane_desk/radio_guide/ 200
check "the main browser shows the radio guide" wait_for 15 titled_page "방송 편성표 보기"
sleep 1
shot product-radio-guide

# The media settings window shows the two channel boards.
xdotool mousemove $((cx + 30)) $((pane_top + 197)) click 1
check "the media settings window opens" wait_for 20 has_window "$app_pid" "프레스레인 미디어 설정"
boards_served() { [ "$(grep -cE ' GET /cgi-bin/\[mind_control\]/board\.cgi 200 ' "$log")" -eq 2 ]; }
check "both channel boards are served" wait_for 15 boards_served
sleep 2
shot product-boards
wmctrl -i -c "$(window_of "$app_pid" "프레스레인 미디어 설정")"
check "the media settings window closes" wait_for 10 no_window "$app_pid" "프레스레인 미디어 설정"
xdotool windowactivate --sync "$win" 2>/dev/null

# "신문사 모두보기" in the category bar opens the all-newspapers page after the progress window.
xdotool mousemove --window "$win" 864 $((menu_bar + 72)) click 1
check "the all-newspapers page is served" \
    wait_for 20 served /soft/lane_desk/radio_guide/all_newspaper01.html 200
check "the main browser shows the all-newspapers page" \
    wait_for 15 titled_page "대한민국 신문사 모두 보기"
sleep 2
shot product-all-newspapers

wmctrl -i -c "$win"
check "the program ends" wait_for 20 gone "$app_pid"
check "the counter still holds the one start" bytes_are "$work/counter.txt" '1\n'
check "every request was answered without a server error" bash -c "! grep -qE ' 5[0-9][0-9] [0-9]+\$' '$log'"

finish
