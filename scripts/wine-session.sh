#!/usr/bin/env bash
# The Wine session of a Windows build: a prefix inside the build folder, a persistent
# wineserver and, when there is no display, an Xvfb of our own.
#   wine-session.sh start|ensure|stop BUILD_DIR
# `ensure` starts what is not running; its environment is written to
# BUILD_DIR/wine-session/env for scripts to source.
set -u
cmd=${1:?usage: wine-session.sh start|ensure|stop BUILD_DIR}
build=$(cd "${2:?usage: wine-session.sh start|ensure|stop BUILD_DIR}" && pwd)
state=$build/wine-session
mkdir -p "$state"

export WINEPREFIX=$build/wineprefix
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers when the prefix is made, and no menu entries of the
# machine's desktop for the shortcuts that the setup program makes in the prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

xvfb_alive() { [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; }

start_display() {
    if [ -n "${TESH_DISPLAY:-}" ]; then echo "$TESH_DISPLAY" > "$state/display"; return; fi
    if xvfb_alive; then return; fi
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! > "$state/xvfb.pid"
    echo ":$n" > "$state/display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
}

write_env() {
    {
        echo "export WINEPREFIX='$WINEPREFIX'"
        echo "export WINEDEBUG='$WINEDEBUG'"
        echo "export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'"
        echo "export DISPLAY='$(cat "$state/display")'"
    } > "$state/env"
}


server_alive() {
    local p
    for p in $(pgrep wineserver); do
        tr "\\0" "\\n" 2>/dev/null < "/proc/$p/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && return 0
    done
    return 1
}

start_wine() {
    export DISPLAY
    DISPLAY=$(cat "$state/display")
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        # Creating the prefix takes about 20 s, once per build folder.
        wine cmd /c exit </dev/null >/dev/null 2>&1
        wineserver -k >/dev/null 2>&1
        wineserver -w >/dev/null 2>&1
    fi
    # A persistent server, warmed with the output detached: Wine's background services
    # then never hold a caller's pipes, and each program starts in a fraction of a second.
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
    # Arial has no Chinese, Japanese or Korean letters; Windows links other fonts to it
    # for them, and so does the prefix, so that the configuration application shows
    # those languages in their own script. (Wine takes the first linked font only, and
    # none has Thai as well: Thai shows as boxes under Wine.)
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Arial /t REG_MULTI_SZ /f \
        /d 'wqy-microhei.ttc,WenQuanYi Micro Hei\0DejaVuSans.ttf,DejaVu Sans' \
        </dev/null >/dev/null 2>&1
}

case $cmd in
start|ensure)
    start_display
    write_env
    server_alive || start_wine
    server_alive || { echo "wine-session: wineserver did not start" >&2; exit 1; }
    ;;
stop)
    if [ -f "$state/display" ]; then DISPLAY=$(cat "$state/display"); export DISPLAY; fi
    wineserver -k >/dev/null 2>&1
    if xvfb_alive; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null; fi
    rm -f "$state/xvfb.pid"
    ;;
*)
    echo "usage: wine-session.sh start|ensure|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
