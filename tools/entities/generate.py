#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes src/feeds/entity_table.cpp: every named character reference of HTML5 that ends in ";",
with the UTF-8 text it stands for, sorted by name for a binary search.

The table is the one Python's standard library carries (html.entities.html5), so the same Python
gives the same bytes.

    tools/entities/generate.py            # rewrite the table
    tools/entities/generate.py --check    # exit 1 when the committed table differs

Standard library only: CI runs it on a bare python3.
"""

import argparse
import html.entities
import sys
from pathlib import Path

OUT = Path(__file__).resolve().parents[2] / "src" / "feeds" / "entity_table.cpp"


def c_string(text):
    """A C++ string literal of the UTF-8 bytes; bytes from 0x80 up as octal escapes."""
    out = []
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if byte >= 0x80 or byte < 0x20 or char in '"\\?':
            out.append(f"\\{byte:03o}")
        else:
            out.append(char)
    return '"' + "".join(out) + '"'


def table():
    rows = sorted((name[:-1], text) for name, text in html.entities.html5.items() if name.endswith(";"))
    # Every name and text one after another in one block, and the table their places in it: no
    # pointers, so the table needs no relocation when the program loads and stays untouched until used.
    chars, entries, at = [], [], 0
    for name, text in rows:
        name_size, text_size = len(name.encode("utf-8")), len(text.encode("utf-8"))
        entries.append(f"    {{{at}, {name_size}, {at + name_size}, {text_size}}},  // {name}")
        chars.append(f"    {c_string(name)} {c_string(text)}")
        at += name_size + text_size
    lines = [
        "// SPDX-License-Identifier: MIT",
        "// Written by tools/entities/generate.py from the HTML5 named character references; do not edit.",
        '#include "feeds/entity_table.h"',
        "",
        "namespace lunvale::feeds::generated {",
        "",
        "// clang-format off",
        f"const char kNamedEntityChars[{at + 1}] =",
    ]
    lines += chars
    lines[-1] += ";"
    lines += ["", f"const NamedEntity kNamedEntities[{len(rows)}] = {{"]
    lines += entries
    lines += ["};", "// clang-format on", "", "}  // namespace lunvale::feeds::generated", ""]
    return "\n".join(lines), len(rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed table")
    parser.add_argument("--output", type=Path, default=OUT)
    args = parser.parse_args()
    text, count = table()
    if args.check:
        try:
            committed = args.output.read_text(encoding="utf-8")
        except OSError as e:
            print(f"{args.output}: {e.strerror}", file=sys.stderr)
            return 1
        if committed != text:
            print(f"{args.output} differs from what {Path(__file__).name} writes; run it again", file=sys.stderr)
            return 1
        return 0
    args.output.write_text(text, encoding="utf-8")
    print(f"{args.output}: {count} entities")
    return 0


if __name__ == "__main__":
    sys.exit(main())
