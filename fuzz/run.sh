#!/usr/bin/env bash
# Builds the fuzz targets with clang, ASan and UBSan in build/fuzz and runs each for
# the given number of seconds (default 120) on a copy of its seed corpus; names after
# the seconds (such as "vmouse_model") run those targets alone. Exits
# non-zero when a target crashes; the crashing input is left in build/fuzz/artifacts.
set -euo pipefail

seconds=${1:-120}
shift || true
only=" $* "
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTESH_FUZZ=ON -DTESH_BENCH=OFF >/dev/null
ninja -C "$build" -j2 fuzz_all

mkdir -p "$build/artifacts"
status=0
# Every target in fuzz/, each with its corpus folder (the name without "_fuzz").
for source in "$root"/fuzz/*_fuzz.cpp; do
    program=$(basename "$source" .cpp)
    corpus=${program%_fuzz}
    if [ "$only" != "  " ] && [[ $only != *" $corpus "* ]]; then
        continue
    fi
    work=$build/corpus/$corpus
    mkdir -p "$work"
    cp -n "$root/fuzz/corpus/$corpus/"* "$work/" 2>/dev/null || true
    echo "== $program for $seconds s"
    if ! "$build/bin/$program" -max_total_time="$seconds" -max_len=20000 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$program-" "$work"; then
        echo "== $program crashed; see $build/artifacts" >&2
        status=1
    fi
done
exit $status
