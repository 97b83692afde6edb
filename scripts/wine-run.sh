#!/usr/bin/env bash
# Runs a Windows executable of the cross build under Wine, headless: the Wine prefix lives in the
# build folder (WINEPREFIX, when set, overrides it) and is created on first use; Wine's own
# messages are silenced. Usage: wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
program=$1
shift
if command -v wine >/dev/null; then
    wine=wine
else
    wine=/usr/lib/wine/wine64
fi
build=$(cd "$(dirname "$program")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done && pwd)
[ "$build" = / ] && build=$(dirname "$program")
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=-all
# No menu entries, file associations or Mono/Gecko installers in a test prefix.
export WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=d"
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$wine" wineboot -i >/dev/null 2>&1
        wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
        "$wineserver" -w
    fi
) 9>"$build/wineprefix.lock"
exec "$wine" "$program" "$@"
