#!/bin/sh
# Runs the built teshulma program: a new profile, shown as JSON, imported back, gives
# the same file, and so do a macro library and a timer list exported and imported;
# refused input exits with 2 and writes nothing.
# Usage: end_to_end.sh TESHULMA WORKDIR
set -eu
tool=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

"$tool" profile new --slot 2 "$work/new.qfm"
"$tool" profile show "$work/new.qfm" --json >"$work/new.json"
"$tool" profile import "$work/new.json" "$work/back.qfm"
cmp "$work/new.qfm" "$work/back.qfm"

"$tool" profile show "$work/new.qfm" >"$work/new.txt"
grep -qx "ProFileName = Default3" "$work/new.txt"

# A typo in a key: exit code 2, one line on stderr, no file.
printf '{"Sensitivty": 3}\n' >"$work/typo.json"
code=0
"$tool" profile import "$work/typo.json" "$work/typo.qfm" 2>"$work/err.txt" || code=$?
test "$code" -eq 2
test "$(wc -l <"$work/err.txt")" -eq 1
grep -q '^teshulma: .*unknown key "Sensitivty"' "$work/err.txt"
test ! -e "$work/typo.qfm"

# The macro library and the timer list: JSON in, file out, and back the same.
printf '{"sets": [{"name": "Raid", "macros": [{"name": "Pull", "repeat": 2, "events": [[4, 1, 300], [4, 2, 0]]}]}]}\n' >"$work/macros.json"
"$tool" macros import "$work/macros.json" "$work/Preset_sequence.dat"
"$tool" macros export "$work/Preset_sequence.dat" "$work/macros_back.json"
"$tool" macros import "$work/macros_back.json" "$work/back.dat"
cmp "$work/Preset_sequence.dat" "$work/back.dat"
"$tool" macros show "$work/back.dat" | grep -qx 'set "Raid": 1 macro'
printf '{"timers": [{"name": "Tea", "seconds": 180}]}\n' >"$work/timers.json"
"$tool" timers import "$work/timers.json" "$work/Timer.ini"
"$tool" timers export "$work/Timer.ini" "$work/timers_back.json"
"$tool" timers import "$work/timers_back.json" "$work/back.ini"
cmp "$work/Timer.ini" "$work/back.ini"
printf '{"timers": [{"name": "Tea", "seconds": 5}]}\n' >"$work/short.json"
code=0
"$tool" timers import "$work/short.json" "$work/short.ini" 2>"$work/err.txt" || code=$?
test "$code" -eq 2
test "$(wc -l <"$work/err.txt")" -eq 1
test ! -e "$work/short.ini"

"$tool" --help >/dev/null
rm -rf "$work"
echo "teshulma end to end: passed"
