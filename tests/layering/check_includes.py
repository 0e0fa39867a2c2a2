#!/usr/bin/env python3
"""Fails when a source includes a folder above its own: the include arrows point down.

Bottom to top: catalogue, the take-off arithmetic, the cutting plans and the table export, resources, ui, then the pages (weld, calendar, sections,
browser), and shell, which nothing includes. tests/, tools/, bench/ and fuzz/ sit outside
the house and may include anything.
"""
import pathlib
import re
import sys

# Folder -> the folders its sources may include (its own is always allowed).
ALLOWED = {
    "catalogue": set(),
    "takeoff": {"catalogue"},
    "cutting": set(),
    "export": {"catalogue"},
    "resources": set(),
    "ui": {"resources", "takeoff"},
    "weld": {"catalogue", "ui", "resources", "takeoff", "sections"},
    "calendar": {"weld"},
    "sections": {"catalogue"},
    "browser": {"catalogue", "resources", "ui", "weld", "sections", "takeoff", "export"},
    "shell": {"catalogue", "resources", "ui", "weld", "calendar", "sections", "browser", "takeoff",
              "export"},
}
OUTSIDE = {"tests", "tools", "bench", "fuzz", "build", "build-asan", "scripts", ".git", ".ci"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z_]+)/')


def main(root: pathlib.Path) -> int:
    faults = []
    for path in sorted(root.rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        rel = path.relative_to(root)
        top = rel.parts[0]
        if len(rel.parts) < 2 or top in OUTSIDE or top.startswith("build"):
            continue
        if top not in ALLOWED:
            faults.append(f"{rel}: folder {top}/ has no place in the layer table of {__file__}")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if m and m.group(1) != top and m.group(1) not in ALLOWED[top]:
                faults.append(f"{rel}:{number}: {top}/ includes {m.group(1)}/, which sits above it")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))
