# Sourced by the end-to-end scripts: the counting of expectations and the waits they share.
failures=0
passes=0
pids=()

# On exit every process a script started ends and its scratch folder $work goes.
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    [ -n "${work:-}" ] && rm -rf "$work"
}
trap cleanup EXIT

check() {  # check NAME COMMAND...: one expectation
    local name="$1"
    shift
    if "$@"; then
        passes=$((passes + 1))
        echo "ok: $name"
    else
        failures=$((failures + 1))
        echo "FAILED: $name"
    fi
}

wait_for() {  # wait_for SECONDS COMMAND...: true once the command succeeds
    local deadline=$((SECONDS + $1))
    shift
    while [ $SECONDS -lt "$deadline" ]; do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

# The main window's panes start below its menu bar, this many pixels under the window's top edge.
menu_bar=22

gone() { ! kill -0 "$1" 2>/dev/null; }

# bytes_are FILE PRINTF_TEXT: the file holds exactly these bytes.
bytes_are() { [ -f "$1" ] && [ "$(od -An -c "$1" | tr -s ' ')" = "$(printf '%b' "$2" | od -An -c | tr -s ' ')" ]; }

# The main window of the program started as $app_pid, found by its caption; xdotool's own name
# matching does not read Korean reliably, so the titles are compared here.
main_window() {
    local id
    for id in $(xdotool search --pid "$app_pid" 2>/dev/null); do
        case "$(xdotool getwindowname "$id" 2>/dev/null)" in
            "프레스레인 v4.47 ["*) echo "$id"; return 0 ;;
        esac
    done
    return 1
}
has_main_window() { [ -n "$(main_window)" ]; }

# The program's visible window whose title starts with PREFIX, and whether one is shown.
window_titled() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        case "$(xdotool getwindowname "$id" 2>/dev/null)" in
            "$1"*) echo "$id"; return 0 ;;
        esac
    done
    return 1
}
shown() { [ -n "$(window_titled "$1")" ]; }
not_shown() { ! shown "$1"; }

# The tray icon: the program's small window embedded in the window manager's tray.
tray_icon() {
    local id w h
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        read -r w h < <(xwininfo -id "$id" 2>/dev/null |
            awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
        if [ "${w:-0}" -le 32 ] && [ "${h:-0}" -le 32 ] && [ "${w:-0}" -gt 0 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
has_tray_icon() { [ -n "$(tray_icon)" ]; }
click_tray() {  # click_tray BUTTON: near the icon's lower edge, which a balloon never covers
    local x y w h
    read -r x y w h < <(xwininfo -id "$(tray_icon)" | awk '/Absolute upper-left X/ {x=$4}
        /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
    xdotool mousemove $((x + w / 2)) $((y + h - 4)) click "$1"
}
