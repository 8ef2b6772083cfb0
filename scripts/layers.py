#!/usr/bin/env python3
"""Checks that the program's folders include one another only downwards.

Every folder of the program belongs to one layer; a file may include files of
its own layer or of layers below it. Prints the folder graph and every include
that points upwards; exits 1 when there is one. Tests and tools may include
anything and are not read."""
import os
import re
import subprocess
import sys
from collections import defaultdict

# From the ground up. A folder not listed takes the layer of its nearest listed parent.
LAYERS = [
    "skin/render/core",
    "toolkit",
    "skin/data",
    "skin/paint",
    "skin/controls",
    "skin/handlers",
    "skin/windows",
    "skin/dialogs",
    "resources",
    "app",
]

def layer_of(folder):
    while folder:
        if folder in LAYERS:
            return LAYERS.index(folder)
        folder = os.path.dirname(folder)
    return None

def main():
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True, text=True,
                          cwd=os.path.dirname(os.path.abspath(__file__))).stdout.strip()
    files = subprocess.run(["git", "ls-files", "*.h", "*.cpp"], capture_output=True, text=True,
                           cwd=root).stdout.split()
    files = [f for f in files if not f.startswith(("tests/", "tools/"))]
    known = set(files)
    include = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
    edges = defaultdict(int)
    upward = []
    for f in files:
        here = os.path.dirname(f)
        with open(os.path.join(root, f), encoding="utf-8", errors="replace") as text:
            for line in text:
                m = include.match(line)
                if not m or m.group(1) not in known:
                    continue
                there = os.path.dirname(m.group(1))
                if there == here:
                    continue
                edges[(here, there)] += 1
                a, b = layer_of(here), layer_of(there)
                if a is None or b is None or b > a:
                    upward.append(f"{f} -> {m.group(1)}")
    for (a, b), n in sorted(edges.items()):
        print(f"{a} -> {b} ({n})")
    for u in upward:
        print("upward or unlisted:", u)
    print(f"folders: {len({x for e in edges for x in e})}, upward includes: {len(upward)}")
    return 1 if upward else 0

if __name__ == "__main__":
    sys.exit(main())
