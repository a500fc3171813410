#!/usr/bin/env bash
# The help tables and their libraries as the build makes them: every table of the source
# folder is accepted; a table with a fault is refused, naming its file and line, and no
# resource script is written; the script keeps every character (quotes, backslashes,
# accents, other scripts, characters beyond 16 bits); and each library has nothing to
# run: no imported DLL and no entry point.
#   help_tables_test.sh PYTHON GENERATOR TABLE_DIR OBJDUMP LIBRARY_DIR
set -u
python=$1 generator=$2 tables=$3 objdump=$4 libraries=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A complete table of ids 1001..1080, from which the faulty ones are made.
complete_table() {
    for id in $(seq 1001 1080); do printf '%s\ttext %s\n' "$id" "$id"; done
}

generate() { "$python" "$generator" "$work/$1.txt" "$work/$1.rc" 2>"$work/$1.err"; }

# expect_refused NAME MESSAGE: $work/NAME.txt is refused with MESSAGE.
expect_refused() {
    if generate "$1"; then
        fail "$1: accepted"
    elif ! grep -qF -- "$2" "$work/$1.err"; then
        fail "$1: expected \"$2\", got: $(cat "$work/$1.err")"
    elif [ -e "$work/$1.rc" ]; then
        fail "$1: a resource script was written"
    fi
}

complete_table | sed '5s/\t/ /' >"$work/no_tab.txt"
expect_refused no_tab "no_tab.txt:5: no tab between the string id and the text"
complete_table | sed '3s/^1003/10x3/' >"$work/bad_id.txt"
expect_refused bad_id "bad_id.txt:3: bad string id '10x3'"
{ complete_table; printf '1010\tagain\n'; } >"$work/duplicate.txt"
expect_refused duplicate "duplicate.txt:81: duplicate string id 1010 (first on line 10)"
complete_table | sed '80s/^1080/1081/' >"$work/above.txt"
expect_refused above "above.txt:80: string id 1081 outside 1001..1080"
{ printf '1000\ttoo low\n'; complete_table; } >"$work/below.txt"
expect_refused below "below.txt:1: string id 1000 outside 1001..1080"
complete_table | sed '40d' >"$work/missing.txt"
expect_refused missing "missing.txt: missing string ids 1040"
complete_table | sed '7s/\t.*/\t/' >"$work/empty_text.txt"
expect_refused empty_text "empty_text.txt:7: empty text for string id 1007"
complete_table | sed '2s/text/t\xffxt/' >"$work/not_utf8.txt"
expect_refused not_utf8 "not_utf8.txt:2: not valid UTF-8"

# Comments, blank lines, CRLF line ends and a byte order mark are accepted; every
# character arrives as itself.
{
    printf '\xef\xbb\xbf# comment\r\n\r\n'
    printf '1001\tSay "hi" \\ caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80!\r\n'
    complete_table | sed 1d
} >"$work/escapes.txt"
if ! generate escapes; then
    fail "escapes: refused: $(cat "$work/escapes.err")"
elif ! grep -qF '1001, L"Say ""hi"" \\ caf\x00e9 \x65e5\x672c \xd83d\xde00!"' "$work/escapes.rc"; then
    fail "escapes: $(grep '1001,' "$work/escapes.rc")"
elif [ "$(grep -c '^    10[0-9][0-9], L"' "$work/escapes.rc")" -ne 80 ]; then
    fail "escapes: not 80 strings"
fi
if LC_ALL=C grep -q '[^ -~]' "$work/escapes.rc"; then
    fail "escapes: the resource script is not plain ASCII"
fi

count=0
for table in "$tables"/*.txt; do
    [ "$(basename "$table")" = CMakeLists.txt ] && continue
    count=$((count + 1))
    "$python" "$generator" "$table" "$work/table.rc" 2>"$work/table.err" ||
        fail "$(basename "$table") refused: $(cat "$work/table.err")"
done
[ "$count" -eq 17 ] || fail "$count tables instead of 17"

count=0
for library in "$libraries"/*_help.dll; do
    [ -e "$library" ] || continue
    count=$((count + 1))
    headers=$("$objdump" -p "$library")
    if grep -q 'DLL Name' <<<"$headers"; then
        fail "$(basename "$library") imports: $(grep 'DLL Name' <<<"$headers" | tr -s ' \t' ' ')"
    fi
    grep -qE '^AddressOfEntryPoint\s+0+$' <<<"$headers" ||
        fail "$(basename "$library") has an entry point"
    grep -qE '^Entry 2 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Resource Directory' <<<"$headers" ||
        fail "$(basename "$library") has no resources"
done
[ "$count" -eq 17 ] || fail "$count libraries in $libraries instead of 17"

[ "$failures" -eq 0 ] && echo "help tables and libraries: all checks passed"
[ "$failures" -eq 0 ]
