#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test.
#   ./test.sh                 both builds
#   ./test.sh native [ARGS]   the native build only (ARGS go to ctest, e.g. -R Ini)
#   ./test.sh windows [ARGS]  the Windows build only, its tests under Wine
set -uo pipefail
cd "$(dirname "$0")"

which=${1:-all}
[ $# -gt 0 ] && shift
case $which in all | native | windows) ;; *)
    echo "usage: ./test.sh [native|windows] [ctest arguments]" >&2
    exit 2
    ;;
esac

scripts/setup.sh || { echo "test.sh: setup failed" >&2; exit 1; }

werror=OFF
[ "${CI:-}" = true ] && werror=ON
jobs=$(nproc)
failed=()

run_half() {
    local preset=$1
    shift
    echo "=== $preset: configure and build"
    cmake --preset "$preset" -DTESH_WERROR=$werror >/dev/null || { failed+=("$preset configure"); return; }
    cmake --build --preset "$preset" -j "$jobs" || { failed+=("$preset build"); return; }
    echo "=== $preset: tests"
    if [ "$preset" = windows ]; then
        scripts/wine-session.sh start build/windows
        ctest --preset windows "$@" || failed+=("$preset tests")
        scripts/wine-session.sh stop build/windows
    else
        ctest --preset native -j "$jobs" "$@" || failed+=("$preset tests")
    fi
}

[ "$which" != windows ] && run_half native "$@"
[ "$which" != native ] && run_half windows "$@"

if [ ${#failed[@]} -gt 0 ]; then
    echo "test.sh: FAILED: ${failed[*]}"
    exit 1
fi
echo "test.sh: all tests passed"
