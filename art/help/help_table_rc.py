#!/usr/bin/env python3
"""Turns one language's help table into the resource script of its help library.

    help_table_rc.py TABLE.txt OUTPUT.rc

The table holds one string per line: the string id, a tab, the text (UTF-8). Blank
lines and lines starting with '#' are skipped. Every id of FIRST_ID..LAST_ID must be
there exactly once with a text. Errors are printed as FILE:LINE: message and nothing
is written, so a bad table stops the build.

The strings are written as wide literals with every character outside printable ASCII
as a \\xNNNN escape (UTF-16 code units): the resource compiler then reads the same
text whatever its code page.
"""
import sys

FIRST_ID = 1001
LAST_ID = 1080


class TableError(Exception):
    pass


def read_table(path):
    """Returns {id: text}; raises TableError with every fault found."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as e:
        raise TableError(f"{path}: cannot read: {e.strerror}")
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    errors = []
    texts = {}
    first_line = {}
    for number, raw in enumerate(data.split(b"\n"), start=1):
        where = f"{path}:{number}"
        try:
            line = raw.decode("utf-8").rstrip("\r")
        except UnicodeDecodeError:
            errors.append(f"{where}: not valid UTF-8")
            continue
        if not line.strip() or line.startswith("#"):
            continue
        key, tab, text = line.partition("\t")
        if not tab:
            errors.append(f"{where}: no tab between the string id and the text")
            continue
        if not key.isascii() or not key.isdigit():
            errors.append(f"{where}: bad string id '{key}'")
            continue
        string_id = int(key)
        if not FIRST_ID <= string_id <= LAST_ID:
            errors.append(f"{where}: string id {string_id} outside {FIRST_ID}..{LAST_ID}")
            continue
        if string_id in texts:
            errors.append(f"{where}: duplicate string id {string_id} "
                          f"(first on line {first_line[string_id]})")
            continue
        if not text.strip():
            errors.append(f"{where}: empty text for string id {string_id}")
            continue
        if any(ord(c) < 0x20 or ord(c) == 0x7F for c in text):
            errors.append(f"{where}: control character in the text of string id {string_id}")
            continue
        texts[string_id] = text
        first_line[string_id] = number
    missing = [i for i in range(FIRST_ID, LAST_ID + 1) if i not in texts]
    if missing and not errors:
        errors.append(f"{path}: missing string ids {', '.join(map(str, missing))}")
    if errors:
        raise TableError("\n".join(errors))
    return texts


def wide_literal(text):
    """L"..." for the resource compiler: printable ASCII as it is (quote doubled,
    backslash escaped), everything else as 4-digit UTF-16 escapes."""
    out = []
    for c in text:
        if c == '"':
            out.append('""')
        elif c == "\\":
            out.append("\\\\")
        elif 0x20 <= ord(c) < 0x7F:
            out.append(c)
        else:
            units = c.encode("utf-16-le")
            for i in range(0, len(units), 2):
                out.append(f"\\x{units[i] | units[i + 1] << 8:04x}")
    return 'L"' + "".join(out) + '"'


def resource_script(texts, source_name):
    lines = [f"/* Generated from {source_name}; do not edit. */",
             "LANGUAGE 0, 0",  # neutral: found whatever the user's language
             "STRINGTABLE",
             "BEGIN"]
    lines += [f"    {i}, {wide_literal(texts[i])}" for i in sorted(texts)]
    lines += ["END", ""]
    return "\n".join(lines)


def main(argv):
    if len(argv) not in (3, 4):
        print("usage: help_table_rc.py TABLE.txt OUTPUT.rc [VERSION_INFO.rc]", file=sys.stderr)
        return 2
    table, output = argv[1], argv[2]
    try:
        texts = read_table(table)
    except TableError as e:
        print(e, file=sys.stderr)
        return 1
    name = table.replace("\\", "/").rsplit("/", 1)[-1]
    script = resource_script(texts, name)
    if len(argv) == 4:  # the library's version information, added as it stands
        with open(argv[3], encoding="ascii") as info:
            script += "\n" + info.read()
    with open(output, "w", encoding="ascii", newline="\n") as f:
        f.write(script)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
