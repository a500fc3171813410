#!/bin/sh
# Runs the built teshulma program: a new profile, shown as JSON, imported back, gives
# the same file; refused input exits with 2 and writes nothing.
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

"$tool" --help >/dev/null
rm -rf "$work"
echo "teshulma end to end: passed"
