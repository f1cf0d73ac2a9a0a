#!/usr/bin/env python3
"""The layer check against small fixture trees: each case builds a tree of a few files, runs
scripts/check-layers.py on it and compares the outcome (pass, or the faults it names) with the case."""

import os
import subprocess
import sys
import tempfile

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "check-layers.py")

# A tree that keeps the order: each case adds or replaces files in it.
BASE = {
    "platform/core/loop.h": "",
    "platform/ui/control.h": '#include "platform/core/loop.h"\n',
    "platform/ui/CMakeLists.txt": "folivex_library(platform_ui SOURCES control.cpp DEPS folivex_platform_core)\n",
    "records/table.h": '#include "platform/ui/control.h"\n',
    "records/CMakeLists.txt": "folivex_library(records SOURCES table.cpp DEPS folivex_platform_ui)\n",
    "program/program.h": '#include "records/table.h"\n',
    "net/socket.h": '#include "platform/core/loop.h"\n',
    "publish/publisher.cpp": '#include "program/program.h"\n#include "records/table.h"\n',
    "publish/CMakeLists.txt": "folivex_library(publish SOURCES publisher.cpp DEPS folivex_program folivex_records)\n",
    "upload/upload.cpp": '#include "net/socket.h"\n#include "program/program.h"\n',
    "app/main_window.h": '#include "publish/page.h"\n#include "program/program.h"\n',
    "publish/page.h": "",
    "view/main.cpp": '#include "app/main_window.h"\n#include <QApplication>\n',
}

# (name, files added to the base tree, texts the faults must contain; none means the tree passes, why)
CASES = [
    ("the base tree", {}, [], "every include goes down the order"),
    ("a subsystem includes the main window", {"publish/index.cpp": '#include "app/main_window.h"\n'},
     ['publish/index.cpp:1: "app/main_window.h"', "above it"], "the deliberate upward include"),
    ("the records include the hub", {"records/sort.cpp": '\n#include "program/program.h"\n'},
     ["records/sort.cpp:2:"], "an include one layer up, found on its own line"),
    ("the platform includes the records", {"platform/ui/grid.h": '#include "records/table.h"\n'},
     ["platform/ui/grid.h:1:"], "the platform is the bottom block"),
    ("core uses another platform folder", {"platform/core/timer.h": '#include "platform/ui/control.h"\n'},
     ["platform/core/timer.h:1:", "bottom of the platform"], "core is below the rest of the platform"),
    ("two subsystems side by side", {"import/wizard.cpp": '#include "publish/page.h"\n'},
     ["import/wizard.cpp:1:", "subsystem import includes subsystem publish"], "subsystems meet only in the hub"),
    ("the allowed subsystem uses", {"chartui/editor.h": '#include "chart/series.h"\n', "chart/series.h": ""},
     [], "chartui may use chart, as upload uses net in the base tree"),
    ("a sub-library on its subsystem",
     {"chart/functions/add.cpp": '#include "chart/series.h"\n', "chart/series.h": "",
      "chart/functions/add.h": "", "chartui/gallery.h": '#include "chart/functions/add.h"\n',
      "chart/functions/CMakeLists.txt": "folivex_library(chart_functions SOURCES add.cpp DEPS folivex_chart)\n"},
     [], "chart/functions uses chart, and chartui may use chart's sub-libraries as it uses chart"),
    ("a subsystem includes its sub-library",
     {"chart/series.cpp": '#include "chart/functions/add.h"\n', "chart/functions/add.h": ""},
     ["chart/series.cpp:1:", "subsystem chart includes subsystem chart/functions"],
     "the sub-library sits above its subsystem"),
    ("a sub-library reaches another subsystem",
     {"chart/functions/add.cpp": '#include "publish/page.h"\n'},
     ["chart/functions/add.cpp:1:", "subsystem chart/functions includes subsystem publish"],
     "a sub-library may use only what its subsystem may"),
    ("the listed sub-library use",
     {"chart/extended/bubble.h": '#include "chart/series/line.h"\n', "chart/series/line.h": ""},
     [], "the further series types build on the line-type series"),
    ("a sub-library use the other way round",
     {"chart/series/line.h": '#include "chart/extended/bubble.h"\n', "chart/extended/bubble.h": ""},
     ["chart/series/line.h:1:", "subsystem chart/series includes subsystem chart/extended"],
     "only the listed pair, in its direction"),
    ("an unlisted sub-library use",
     {"chart/functions/add.h": '#include "chart/series/line.h"\n', "chart/series/line.h": ""},
     ["chart/functions/add.h:1:", "subsystem chart/functions includes subsystem chart/series"],
     "sub-libraries stay apart unless listed"),
    ("Qt outside the view", {"app/window.cpp": "#include <QWidget>\n"}, ["app/window.cpp:1: <QWidget>"],
     "only the view includes the toolkit"),
    ("a folder with no layer", {"extras/thing.h": '#include "records/table.h"\n'}, ['"extras" has no place'],
     "a new folder must be given its place"),
    ("a header beside the file", {"publish/pages.cpp": '#include "page.h"\n#include <vector>\n'}, [],
     "includes without a folder are the folder's own"),
    ("a DEPS entry nothing uses", {"publish/publisher.cpp": '#include "program/program.h"\n'},
     ["folivex_publish names folivex_records in DEPS but includes none of its headers"],
     "DEPS lists nothing the library does not use"),
    ("a library's sources in subfolders",
     {"publish/publisher.cpp": "", "publish/pages/publisher.cpp": '#include "program/program.h"\n#include "records/table.h"\n',
      "publish/CMakeLists.txt": "folivex_library(publish SOURCES pages/publisher.cpp DEPS folivex_program folivex_records)\n"},
     [], "a source listed by its path below the folder counts for the folder's DEPS"),
    ("an include missing from DEPS",
     {"records/CMakeLists.txt": "folivex_library(records SOURCES table.cpp)\n"},
     ["folivex_records includes folivex_platform_ui's headers (records/table.h:1)"],
     "every folder a library includes is in its DEPS"),
    ("a relative include into another subsystem", {"import/wizard.cpp": '#include "../publish/page.h"\n'},
     ['import/wizard.cpp:1: "../publish/page.h"', "subsystem import includes subsystem publish"],
     "a path relative to the file is resolved as the compiler resolves it"),
    ("a relative include up a layer", {"records/sort.cpp": '#include "../program/program.h"\n'},
     ["records/sort.cpp:1:", "above it"], "the relative path reaches the hub from below"),
    ("relative includes that keep the order",
     {"publish/index.cpp": '#include "./page.h"\n#include "../records/table.h"\n#include "../../outside.h"\n'},
     [], "the folder's own header and one below it, written relatively; a path out of the tree is not ours"),
    ("an angle-bracket include of a subsystem's header",
     {"publish/index.cpp": "#include <upload/ftp_form.h>\n", "upload/ftp_form.h": ""},
     ["publish/index.cpp:1: <upload/ftp_form.h>", "subsystem publish includes subsystem upload"],
     "a header of ours is checked however it is bracketed"),
    ("angle-bracket includes that keep the order",
     {"publish/index.cpp": "#include <records/table.h>\n#include <vector>\n#include <sys/stat.h>\n"}, [],
     "a header below, and headers that are not ours"),
    ("one platform folder includes another on its floor or above",
     {"platform/text/utf8.h": '#include "platform/ui/control.h"\n'},
     ["platform/text/utf8.h:1:", "platform/text (platform floor 1) includes platform/ui (floor 3)"],
     "text sits below ui, which uses it: the include would close a cycle"),
    ("platform folders of one floor", {"platform/fs/files.h": '#include "platform/text/utf8.h"\n',
                                       "platform/text/utf8.h": ""},
     ["platform/fs/files.h:1:", "platform/fs (platform floor 1) includes platform/text (floor 1)"],
     "folders of one floor stay apart"),
    ("a platform folder uses lower floors",
     {"platform/ui/text_box.h": '#include "platform/text/utf8.h"\n#include "platform/gfx/canvas.h"\n',
      "platform/text/utf8.h": "", "platform/gfx/canvas.h": '#include "platform/text/utf8.h"\n',
      "platform/ui/CMakeLists.txt": "folivex_library(platform_ui SOURCES control.cpp DEPS folivex_platform_core "
                                    "folivex_platform_gfx folivex_platform_text)\n"},
     [], "ui uses gfx and text, gfx uses text"),
    ("a platform folder with no floor", {"platform/audio/beep.h": '#include "platform/core/loop.h"\n'},
     ['"platform/audio" has no place'], "a new platform folder must be given its floor"),
    ("an upward include in a commented line", {"publish/notes.h": '// #include "app/main_window.h"\n'}, [],
     "only include directives count"),
]


def run_case(files):
    with tempfile.TemporaryDirectory() as root:
        tree = dict(BASE)
        tree.update(files)
        for path, text in tree.items():
            full = os.path.join(root, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)
        done = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
        return done.returncode, done.stdout


def main():
    failures = 0
    for name, files, expected, why in CASES:
        code, out = run_case(files)
        wanted = 1 if expected else 0
        missing = [e for e in expected if e not in out]
        if code != wanted or missing:
            failures += 1
            print(f"FAIL {name} ({why}): exit {code}, wanted {wanted}; missing {missing}\n{out}")
        else:
            print(f"ok   {name}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
