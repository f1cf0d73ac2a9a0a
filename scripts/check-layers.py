#!/usr/bin/env python3
"""Checks that the sources keep the layer order, so that it holds as code is added.

    scripts/check-layers.py [SRC_DIR]      (default: the src folder beside this script)

The order, bottom to top (a folder may include its own headers and those of the layers below it):

    platform     floors of its own, each folder including only folders on lower floors: core (message
                 loop, clocks, component, timer) at the bottom, including no other platform folder; then
                 text, fs and db; then gfx and sockets; then stream and ui; then app (PLATFORM_FLOORS)
    records      the database in memory and its files
    program      the hub: Program, ProgramForm and the main window's hooks
    subsystems   publish, import, upload, net, chart, chartui; they do not include one another, except
                 that chartui may use chart and upload may use net
                 (a subsystem's sub-library, such as chart/functions, chart/series or chart/extended,
                 sits on its subsystem: it may use it and what its subsystem may use, and the subsystem
                 never includes it; one sub-library may build on another only as SUB_LIBRARY_USES lists)
    app          the main window and the start-up
    view         the Qt view and the program's entry point (the only code that includes Qt)

Every include counts, however it is written: a path relative to the including file ("../publish/x.h")
is resolved as the compiler resolves it, and a header of ours named in angle brackets (<upload/x.h>) is
checked as one in quotes.

A second check holds each folder's CMake library to what its sources include: every folder it includes
is in its DEPS, and nothing else of ours is.

Exit status: 0 when the tree keeps the order, 1 when it does not (each fault is printed as
"file:line: message"), 2 when the tree cannot be read.
"""

import os
import re
import sys

PLATFORM, RECORDS, PROGRAM, SUBSYSTEM, APP, VIEW = range(6)
LAYER_NAMES = ["platform", "records", "program", "subsystem", "app", "view"]
TOP_FOLDERS = {
    "records": RECORDS,
    "program": PROGRAM,
    "publish": SUBSYSTEM,
    "import": SUBSYSTEM,
    "upload": SUBSYSTEM,
    "net": SUBSYSTEM,
    "chart": SUBSYSTEM,
    "chartui": SUBSYSTEM,
    "app": APP,
    "view": VIEW,
}
# The floors inside the platform, bottom first: a platform folder includes only folders on lower floors.
PLATFORM_FLOORS = {
    "core": 0,
    "text": 1,
    "fs": 1,
    "db": 1,
    "gfx": 2,
    "sockets": 2,
    "stream": 3,
    "ui": 3,
    "app": 4,
}
# The only uses between two subsystems.
SUBSYSTEM_USES = {("chartui", "chart"), ("upload", "net")}
# Sub-libraries of a subsystem, each a folder of its own below it, and the subsystem each sits on.
SUB_LIBRARIES = {
    "chart/functions": "chart",
    "chart/series": "chart",
    "chart/extended": "chart",
}
# The only uses between two sub-libraries of one subsystem: the further series types derive from the
# standard ones (the polar from the round series, the financial series, the bubble, arrow, gantt and
# Bezier from the line-type base, the error series from the bar).
SUB_LIBRARY_USES = {("chart/extended", "chart/series")}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
LIBRARY = re.compile(r"folivex_library\(\s*(\w+)(.*?)\)", re.S)
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")


def module_of(path):
    """The module a path below src belongs to ("platform/ui", "publish", ...), or None."""
    parts = path.split("/")
    if parts[0] == "platform":
        return "platform/" + parts[1] if len(parts) > 2 else None
    if len(parts) > 2 and "/".join(parts[:2]) in SUB_LIBRARIES:
        return "/".join(parts[:2])
    return parts[0] if len(parts) > 1 else None


def layer_of(module):
    if module.startswith("platform/"):
        return PLATFORM if module[len("platform/"):] in PLATFORM_FLOORS else None
    if module in SUB_LIBRARIES:
        return SUBSYSTEM
    return TOP_FOLDERS.get(module)


def subsystem_use_allowed(source, target):
    """A subsystem (or sub-library) may use another: the pairs listed, a sub-library its own subsystem,
    and a sub-library or a user of a subsystem what the subsystem (or its sub-libraries) may be used as."""
    if SUB_LIBRARIES.get(source) == target or (source, target) in SUB_LIBRARY_USES:
        return True
    base_source = SUB_LIBRARIES.get(source, source)
    base_target = SUB_LIBRARIES.get(target, target)
    if base_source == base_target:
        return False  # a subsystem never includes its own sub-library, nor one sub-library another unlisted
    return (base_source, base_target) in SUBSYSTEM_USES


def include_fault(source, target):
    """Why a file of module `source` may not include a header of module `target`, or None when it may."""
    if source == target:
        return None
    s, t = layer_of(source), layer_of(target)
    if t is None:
        return f'"{target}" has no place in the layer order (add it to scripts/check-layers.py)'
    if s == PLATFORM and t == PLATFORM:
        if source == "platform/core":
            return "platform/core is the bottom of the platform and includes no other platform folder"
        s_floor = PLATFORM_FLOORS[source[len("platform/"):]]
        t_floor = PLATFORM_FLOORS[target[len("platform/"):]]
        if t_floor >= s_floor:
            return (f"{source} (platform floor {s_floor}) includes {target} (floor {t_floor}), which is not "
                    f"below it")
        return None
    if t > s:
        return f"{source} ({LAYER_NAMES[s]}) includes {target}, which is above it ({LAYER_NAMES[t]})"
    if s == t and s == SUBSYSTEM and not subsystem_use_allowed(source, target):
        return f"subsystem {source} includes subsystem {target}; subsystems reach one another through the program hub"
    if s == t and s != SUBSYSTEM:
        return f"{source} includes {target} of its own layer"
    return None


def resolve_include(src, rel, bracket, header):
    """The path below src of the header an include of file `rel` names, or None when it is not ours. A
    header in quotes is looked for beside the including file first, then from src, as the compiler does;
    one in angle brackets from src only."""
    candidates = [header]
    if bracket == '"':
        candidates.insert(0, os.path.join(os.path.dirname(rel), header))
    for candidate in candidates:
        path = os.path.normpath(candidate).replace(os.sep, "/")
        if os.path.isabs(path) or path == ".." or path.startswith("../"):
            continue
        if os.path.isfile(os.path.join(src, path)):
            return path
    return None


def library_name(module):
    return "folivex_" + module.replace("/", "_")


def read_libraries(src, module):
    """The folder's CMake library: (name, its .cpp sources, its folivex_* DEPS), or None without one."""
    path = os.path.join(src, module, "CMakeLists.txt")
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        text = re.sub(r"#[^\n]*", "", f.read())
    m = LIBRARY.search(text)
    if not m:
        return None
    words = m.group(2).split()
    sources, deps, section = set(), set(), None
    for w in words:
        if w in ("SOURCES", "DEPS"):
            section = w
        elif section == "SOURCES":
            sources.add(w)
        elif section == "DEPS" and w.startswith("folivex_"):
            deps.add(w)
    return m.group(1), sources, deps


def check(src):
    faults = []
    used = {}  # module -> {included module: first "file:line"}
    for root, dirs, files in os.walk(src):
        dirs.sort()
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            full = os.path.join(root, name)
            rel = os.path.relpath(full, src).replace(os.sep, "/")
            source = module_of(rel)
            if source is None:
                continue
            if layer_of(source) is None:
                faults.append(f'{rel}:1: "{source}" has no place in the layer order (add it to scripts/check-layers.py)')
                continue
            library = read_libraries(src, source)
            # A library lists its sources by their path below its folder ("window/chart_window.cpp").
            in_module = os.path.relpath(full, os.path.join(src, source)).replace(os.sep, "/")
            in_library = library is not None and (name.endswith((".h", ".hpp")) or in_module in library[1])
            with open(full, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    bracket, header = m.groups()
                    where = f"{rel}:{number}"
                    if bracket == "<" and re.match(r"Q[A-Za-z]", header) and source != "view":
                        faults.append(f"{where}: <{header}>: only view includes Qt")
                        continue
                    path = resolve_include(src, rel, bracket, header)
                    target = module_of(path) if path else None
                    if target is None:
                        continue  # not one of our headers
                    fault = include_fault(source, target)
                    if fault:
                        shown = f'"{header}"' if bracket == '"' else f"<{header}>"
                        faults.append(f"{where}: {shown}: {fault}")
                    elif target != source and in_library:
                        used.setdefault(source, {}).setdefault(target, where)

    for root, _, files in sorted(os.walk(src)):
        module = os.path.relpath(root, src).replace(os.sep, "/")
        if "CMakeLists.txt" not in files or module_of(module + "/x") != module or layer_of(module) is None:
            continue
        library = read_libraries(src, module)
        if library is None:
            continue
        _, _, declared = library
        wanted = {library_name(t): where for t, where in used.get(module, {}).items()}
        for dep in sorted(set(wanted) - declared):
            faults.append(f"{module}/CMakeLists.txt:1: {library_name(module)} includes {dep}'s headers "
                          f"({wanted[dep]}) without naming it in DEPS")
        for dep in sorted(declared - set(wanted)):
            faults.append(f"{module}/CMakeLists.txt:1: {library_name(module)} names {dep} in DEPS but includes "
                          f"none of its headers")
    return faults


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src")
    if not os.path.isdir(src):
        print(f"no source folder at {src}", file=sys.stderr)
        return 2
    faults = check(src)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} fault(s) against the layer order", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
