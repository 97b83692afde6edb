# Sourced by the scripts: starts a virtual X display with a window manager when asked to.
# start_virtual_desktop DISPLAY_NUMBER: Xvfb on :N with icewm, exported as DISPLAY; stopped at exit.
start_virtual_desktop() {
    local n="$1"
    Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    ICEWM_PRIVCFG="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/icewm" icewm >/dev/null 2>&1 &
    local wm=$!
    sleep 1
    trap "kill $wm $xvfb 2>/dev/null || true" EXIT
}

# Qt WebEngine refuses to start as root with its sandbox on, and there is no GPU here.
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking"
