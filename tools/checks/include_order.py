#!/usr/bin/env python3
"""Checks that every #include of the product's folders points down the house, never up.

The folders from the ground floor up; a file may include from its own folder or from any folder
below it, never from one above it or beside it on the same floor (the front ends do not include
each other). Tests, benchmarks and fuzz targets stand on top and are not checked.

Usage: include_order.py [ROOT]   (ROOT defaults to the repository holding this script)
Exit status 0 when every include keeps the order, 1 with one line per offending include.
"""
import os
import re
import sys

# The floors, lowest first. Folders on one line share a floor and may not include each other.
FLOORS = [
    ["core"],                                # shared types: codes, records, options, log, host
    ["text"],                                # text preparation, tokens, input encodings
    ["morph"],                               # word analysis, the dictionary and its meanings
    ["user"],                                # Latin Standard Phrases, user dictionaries
    ["english"],                             # the English of a reading and of a sentence
    ["syntax"],                              # clauses, the choice of readings, the sentence driver
    ["search"],                              # corpus search
    ["job"],                                 # the translation job and the start-up loader
    ["formats"],                             # JSON Lines, CoNLL-U, the trace as UTF-8
    ["app"],                                 # toolkit-free command logic of the front ends
    ["cli", "app/qt", "tools/mkdata"],       # the front ends
]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")


def floor_of():
    floors = {}
    for rank, folders in enumerate(FLOORS):
        for folder in folders:
            floors[folder] = rank
    return floors


def included_folder(include, floors):
    """The product folder an include path names, the longest match first (app/qt before app)."""
    parts = include.split("/")[:-1]
    for length in range(len(parts), 0, -1):
        folder = "/".join(parts[:length])
        if folder in floors:
            return folder
    return "/".join(parts) if parts else None


def violations(root):
    floors = floor_of()
    found = []
    for folder, rank in sorted(floors.items()):
        path = os.path.join(root, folder)
        if not os.path.isdir(path):
            continue
        for name in sorted(os.listdir(path)):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            file = os.path.join(path, name)
            with open(file, encoding="latin-1") as text:
                for number, line in enumerate(text, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = included_folder(match.group(1), floors)
                    if target is None or target == folder:
                        continue
                    if target not in floors:
                        found.append(f"{folder}/{name}:{number}: includes {match.group(1)}, "
                                     f"which is in no folder of the product")
                    elif floors[target] >= rank:
                        where = "beside" if floors[target] == rank else "above"
                        found.append(f"{folder}/{name}:{number}: includes {match.group(1)}, "
                                     f"from {target}/ {where} {folder}/")
    return found


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.dirname(os.path.dirname(os.path.dirname(
        os.path.abspath(__file__))))
    found = violations(root)
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) against the order of the folders (tools/checks/include_order.py)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
