# Sourced by every end-to-end script once it has read its arguments into variables, $shots (the
# screenshot folder) among them: the scratch folder, the counting of expectations, the waits and
# the window look-ups they share.
set -uo pipefail
failures=0
passes=0
pids=()
mkdir -p "$shots"
# The scratch folder; the application folder is installed into it.
work=$(mktemp -d)
app="$work/PressLane"

# On exit every process a script started ends and its scratch folder $work goes. A script that
# keeps something of it defines on_exit, which runs between the two.
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    if declare -F on_exit >/dev/null; then on_exit; fi
    rm -rf "$work"
}
trap cleanup EXIT

# Installs the build into the application folder $app; nothing more can be checked without it.
install_app() {
    cmake --install "$build" --prefix "$app" >/dev/null || { echo "FAILED: install"; exit 1; }
}

# serve PROGRAM ARGS...: starts a loopback server that prints its port first; sets $served_port.
serve() {
    "$@" >"$work/port" &
    pids+=("$!")
    wait_for 5 test -s "$work/port"
    served_port=$(head -1 "$work/port")
}

# launch PROGRAM ARGS...: starts a program of the application folder as $app_pid, its output
# appended to $work/NAME.log.
launch() {
    "$@" >>"$work/$(basename "$1").log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
}

# Ends the script with the count of its expectations; it fails when one failed.
finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}

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
# The main window's caption matches the Perl regular expression.
titled() { xdotool getwindowname "$(main_window)" 2>/dev/null | grep -qP -- "$1"; }
# Once the splash has closed (five seconds after the start), the main window as $win, active.
settle_main_window() {
    win=$(main_window)
    sleep 6
    xdotool windowactivate --sync "$win" 2>/dev/null
}

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

# window_of PID PATTERN: the first shown window of a process whose title matches the glob PATTERN.
window_of() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        case "$(xdotool getwindowname "$id" 2>/dev/null)" in
            $2) echo "$id"; return 0 ;;
        esac
    done
    return 1
}
has_window() { [ -n "$(window_of "$1" "$2")" ]; }
no_window() { ! has_window "$@"; }

# press_keys WINDOW KEYS...: the keys typed into the window, one after another, as a user would.
press_keys() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    shift
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}

shot() { import -window root "$shots/$1.png" 2>/dev/null; }
# requested PATH: the loopback server's request log $log holds that line.
requested() { grep -qxF -- "$1" "$log" 2>/dev/null; }

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
