#!/usr/bin/env python3
"""Checks that the marks of the open database's changes are written only through their interface.

    scripts/check-change-marks.py [DIR...]      (default: the src and bench folders beside this script)

DatabaseModified and ChartModified are read by anyone, but written only by DatabaseChanges
(records/database_changes.cpp), so that every change is marked, and every mark cleared, by one rule.
A write is any of:

    an assignment or compound assignment     P.DatabaseModified = 1;   s.ChartModified |= 1;
    an increment or decrement                ++P.DatabaseModified;
    a hand-over of the flag to other code    std::exchange(P.DatabaseModified, 0);  std::swap(...)
                                             &P.ChartModified   (its address or a reference to it)

Comments and string literals are not read. The declarations of the two flags (records/database_state.h)
are no writes.

Exit status: 0 when no file outside the interface writes them, 1 when one does (each write printed as
"file:line: message"), 2 when a folder cannot be read.
"""

import os
import re
import sys

FLAGS = ("DatabaseModified", "ChartModified")
# Files (below a scanned folder) that may write the flags.
INTERFACE = {"records/database_changes.cpp"}
DECLARATIONS = {"records/database_state.h"}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")

NAME = r"\b(?:%s)\b" % "|".join(FLAGS)
WRITES = [
    (re.compile(NAME + r"\s*(?:[-+*/%&|^]|<<|>>)?=(?!=)"), "assigns"),
    (re.compile(r"(?:\+\+|--)\s*(?:[\w.\]\[]+(?:->|\.))*" + NAME), "increments or decrements"),
    (re.compile(NAME + r"\s*(?:\+\+|--)"), "increments or decrements"),
    (re.compile(r"\bstd::(?:exchange|swap)\s*\(\s*[^,;]*" + NAME), "hands over"),
    (re.compile(r"(?:^|[(,=?:{;!]|\breturn)\s*&\s*(?:\w+\s*(?:->|\.)\s*)*" + NAME), "takes the address of"),
    (re.compile(r"&\s*\w+\s*[={]\s*(?:\w+\s*(?:->|\.)\s*)*" + NAME + r"\s*[;,)}]"), "binds a reference to"),
]
DECLARATION = re.compile(r"^\s*std::uint8_t\s+(?:%s)\s*=\s*0\s*;" % "|".join(FLAGS))


def strip(line, in_block):
    """The line without comments and the contents of string and character literals, and whether a block
    comment is still open at its end."""
    out, i, n = [], 0, len(line)
    while i < n:
        if in_block:
            end = line.find("*/", i)
            if end < 0:
                return "".join(out), True
            i, in_block = end + 2, False
            continue
        c = line[i]
        if line.startswith("//", i):
            break
        if line.startswith("/*", i):
            in_block, i = True, i + 2
            continue
        if c in "\"'":
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out), in_block


def check(root):
    faults = []
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            full = os.path.join(folder, name)
            rel = os.path.relpath(full, root).replace(os.sep, "/")
            if rel in INTERFACE:
                continue
            in_block = False
            with open(full, encoding="utf-8", errors="replace") as f:
                for number, raw in enumerate(f, 1):
                    code, in_block = strip(raw, in_block)
                    if rel in DECLARATIONS and DECLARATION.match(code):
                        continue
                    for pattern, verb in WRITES:
                        m = pattern.search(code)
                        if m:
                            faults.append(f"{os.path.join(root, rel)}:{number}: {verb} a change flag directly "
                                          f"({m.group(0).strip()}); mark or clear it through DatabaseChanges")
                            break
    return faults


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    roots = sys.argv[1:] or [os.path.join(here, "..", "src"), os.path.join(here, "..", "bench")]
    faults = []
    for root in roots:
        if not os.path.isdir(root):
            print(f"no source folder at {root}", file=sys.stderr)
            return 2
        faults += check(root)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} direct write(s) of a change flag", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
