#!/usr/bin/env python3
"""The change-flag check against small fixture trees: each case writes a few files, runs
scripts/check-change-marks.py on the tree and compares the outcome (pass, or the faults it names)."""

import os
import sys

from fixture_tree_check import run_cases

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "check-change-marks.py")

# A tree that keeps the rule: the interface writes, the state declares, others mark and read.
BASE = {
    "records/database_state.h": "struct S {\n    std::uint8_t DatabaseModified = 0;\n"
                                "    std::uint8_t ChartModified = 0;\n};\n",
    "records/database_changes.cpp": "void Mark() { state_.DatabaseModified = 1; state_.ChartModified = 0; }\n",
    "app/exit.cpp": "if (P.Changes.SaveNeeded()) Save();\nP.Changes.Mark(Change::Record);\n",
}

# (name, files added to the base tree, texts the faults must contain; none means the tree passes, why)
CASES = [
    ("the base tree", {}, [], "only the interface writes"),
    ("reads", {"publish/run.cpp": "if (P.DatabaseModified == 1 || p->ChartModified != 0) x = P.DatabaseModified;\n"
                                  "bool b = !P.ChartModified && P.DatabaseModified >= 1;\n"
                                  "int m = mask & P.DatabaseModified;\nconst std::uint8_t c = P.ChartModified;\n"},
     [], "comparisons and reads of the flags are no writes"),
    ("an assignment", {"app/save.cpp": "\n    P.DatabaseModified = 0;\n"},
     ["app/save.cpp:2: assigns"], "the plain write, found on its own line"),
    ("an assignment without spaces", {"upload/ftp.cpp": "p->ChartModified=1;\n"}, ["upload/ftp.cpp:1: assigns"],
     "the spacing does not hide it"),
    ("a compound assignment", {"chartui/w.cpp": "P.ChartModified |= edited;\n"}, ["chartui/w.cpp:1: assigns"],
     "an or-assignment writes too"),
    ("an increment", {"app/a.cpp": "++P.DatabaseModified;\n", "app/b.cpp": "s.ChartModified--;\n"},
     ["app/a.cpp:1: increments", "app/b.cpp:1: increments"], "before or after the name"),
    ("an exchange", {"publish/end.cpp": "auto was = std::exchange(P.DatabaseModified, 0);\n"},
     ["publish/end.cpp:1: hands over"], "the flag handed to a function that writes it"),
    ("a reference to the flag", {"app/keep.cpp": "std::uint8_t& m = P.DatabaseModified;\n",
                                 "app/ptr.cpp": "auto* f = &P.ChartModified;\n"},
     ["app/keep.cpp:1: binds a reference to", "app/ptr.cpp:1: takes the address of"], "a way round the rule is a write"),
    ("the declaration elsewhere", {"program/program.h": "std::uint8_t DatabaseModified = 0;\n"},
     ["program/program.h:1: assigns"], "only the state's own header declares the flags"),
    ("a write in the state's header", {"records/database_state.h": "void Reset() { DatabaseModified = 0; }\n"},
     ["records/database_state.h:1: assigns"], "the header declares, it does not write"),
    ("comments and texts",
     {"app/notes.cpp": "// P.DatabaseModified = 1 is done by Mark\n/* ChartModified = 0;\n   DatabaseModified = 1; */\n"
                       "Show(\"DatabaseModified = 1\");\nint x = 0; // ChartModified = 1\n"},
     [], "only code counts"),
    ("a longer name", {"app/x.cpp": "MyDatabaseModified = 1;\nDatabaseModifiedCount = 2;\n"}, [],
     "another name that contains a flag's name is not the flag"),
]


if __name__ == "__main__":
    sys.exit(run_cases(CHECK, BASE, CASES))
