#!/usr/bin/env bash
# Sets up what is missing, builds the Windows programs, stages the program directory
# in build/dist and runs the software under Wine on the virtual mouse.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

# Show windows on the caller's display when there is one; otherwise on an Xvfb.
[ -n "${DISPLAY:-}" ] && export TESH_DISPLAY=$DISPLAY
scripts/wine-session.sh ensure build/windows
. build/windows/wine-session/env
trap 'scripts/wine-session.sh stop build/windows' EXIT

dist=build/dist
echo "run.sh: program directory staged in $dist"
# The virtual mouse, plugged in, with the firmware that is staged for the upgrader, so
# that the monitor finds no upgrade to make (set another version with vmouse to see the
# upgrader start).
wine "$dist/vmouse.exe" plug
image=$(sed -n 's/^Version=\([0-9]*\).*/\1/p' "$dist/FWUpdate/config.ini" 2>/dev/null | head -n 1)
[ -n "$image" ] && wine "$dist/vmouse.exe" set firmware "$image"
wine "$dist/vmouse.exe" state

# The monitor runs until Ctrl-C (or "Exit" in its tray menu); it is asked to close as
# any program closes it, so that it says goodbye to the mouse.
echo "run.sh: the monitor runs on the virtual mouse with the configuration application;"
echo "run.sh: Ctrl-C stops it."
echo "run.sh: in another shell, after '. build/windows/wine-session/env':"
echo "run.sh:   wine $dist/vmouse.exe press 3 | unplug | plug | log | state"
wine "$dist/vmouse.exe" log --clear
wine "$dist/TeshUlmaOpticalMonitor.exe" &
monitor=$!
# Once the monitor has read the mouse, the configuration application, opened as the
# tray's "Configuration" opens it: a second start of the monitor with its start flag.
for _ in $(seq 100); do
    wine "$dist/vmouse.exe" log 2>/dev/null | grep -q "SET 0e 03 01" && break
    sleep 0.2
done
wine "$dist/TeshUlmaOpticalMonitor.exe" 1 || true
stop_monitor() {
    trap - INT TERM
    wine taskkill /im TeshUlmaOpticalMonitor.exe >/dev/null 2>&1 || true
    wait "$monitor" 2>/dev/null || true
}
trap 'stop_monitor; exit 130' INT TERM
wait "$monitor" || true
echo "run.sh: the monitor has ended; the settings it left in $dist:"
wine "$dist/teshulma.exe" settings show "$dist"
