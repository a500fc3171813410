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
if [ -f "$dist/vmouse.exe" ]; then
    echo "run.sh: the virtual mouse:"
    wine "$dist/vmouse.exe" plug || true
    wine "$dist/vmouse.exe" state || true
fi
echo "run.sh: the monitor and the configuration application are not built yet;"
echo "run.sh: here are the settings as the programs load them from $dist:"
wine "$dist/teshulma.exe" settings show "$dist"
