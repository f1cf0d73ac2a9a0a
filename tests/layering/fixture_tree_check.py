"""Runs a source check against small fixture trees: each case writes a few files over a base tree, runs the
check on the tree and compares the outcome (pass, or the faults it names)."""

import os
import subprocess
import sys
import tempfile


def run_case(check, base, files):
    with tempfile.TemporaryDirectory() as root:
        tree = dict(base)
        tree.update(files)
        for path, text in tree.items():
            full = os.path.join(root, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)
        done = subprocess.run([sys.executable, check, root], capture_output=True, text=True)
        return done.returncode, done.stdout


def run_cases(check, base, cases):
    """cases: (name, files added to the base tree, texts the faults must contain - none means the tree
    passes, why). Prints a line a case; returns the exit status of the whole table."""
    failures = 0
    for name, files, expected, why in cases:
        code, out = run_case(check, base, files)
        wanted = 1 if expected else 0
        missing = [e for e in expected if e not in out]
        if code != wanted or missing:
            failures += 1
            print(f"FAIL {name} ({why}): exit {code}, wanted {wanted}; missing {missing}\n{out}")
        else:
            print(f"ok   {name}")
    return 1 if failures else 0
