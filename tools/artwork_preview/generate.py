#!/usr/bin/env python3
"""Writes the SVG sources of all built-in artwork into resources/Image/.

Run from anywhere: python3 tools/artwork_preview/generate.py
The SVG files are committed; this script is how they are kept consistent."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
IMAGE = os.path.join(ROOT, "resources", "Image")

import icons  # noqa: E402


def write(rel, text):
    path = os.path.join(IMAGE, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    for name, canvas in icons.bar_icons().items():
        write(f"SectionBar/{name}.svg", canvas.svg())
    for name, canvas in icons.weld_icons().items():
        write(f"SectionWeld/{name}.svg", canvas.svg())
    for name, text in icons.window_icons().items():
        write(f"{name}.svg", text)
    write("app.svg", icons.app_icon())
    import bar_drawings
    for name, text in bar_drawings.drawings().items():
        write(f"SectionBarImage/{name}.svg", text)
    import weld_drawings
    for name, text in weld_drawings.drawings().items():
        write(f"SectionWeldImage/{name}.svg", text)


if __name__ == "__main__":
    main()
