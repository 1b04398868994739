#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
"""The folders of each layer depend one way, as the layers do: no folder of
core/, render/, mail/, gui/ or app/ includes a folder that includes it back,
however long the way round. And the README's "Layout of the source" lists
every one of their folders, and no folder that is gone.
  folders.py SOURCE_DIR     checks the tree
  folders.py --self-test    checks that a planted loop and an unlisted or
                            vanished folder are found, and a clean tree passes
"""
import contextlib
import io
import os
import re
import shutil
import sys
import tempfile

LAYERS = ["core", "render", "mail", "gui", "app"]
INCLUDE = re.compile(r'^\s*#\s*include\s*["<]([a-z]+)/([A-Za-z0-9_]+)/', re.M)


def folders(root, layer):
    path = os.path.join(root, layer)
    if not os.path.isdir(path):
        return []
    return sorted(d for d in os.listdir(path) if os.path.isdir(os.path.join(path, d)))


def include_graph(root, layer):
    """Folder -> {folder it includes: [first file that does]} within a layer."""
    graph = {}
    for folder in folders(root, layer):
        edges = graph.setdefault(folder, {})
        for dirpath, _, names in os.walk(os.path.join(root, layer, folder)):
            for name in sorted(names):
                if not name.endswith((".cpp", ".h")):
                    continue
                text = open(os.path.join(dirpath, name), encoding="utf-8", errors="replace").read()
                for top, other in INCLUDE.findall(text):
                    if top == layer and other != folder:
                        edges.setdefault(other, f"{layer}/{folder}/{name}")
    return graph


def loop_through(graph, start):
    """A way from `start` back to itself, as a list of folders, or None."""
    seen = set()
    stack = [(start, [start])]
    while stack:
        node, way = stack.pop()
        for nxt in sorted(graph.get(node, {})):
            if nxt == start:
                return way + [start]
            if nxt not in seen:
                seen.add(nxt)
                stack.append((nxt, way + [nxt]))
    return None


def loops(root):
    problems = []
    for layer in LAYERS:
        graph = include_graph(root, layer)
        reported = set()
        for folder in sorted(graph):
            way = loop_through(graph, folder)
            if not way or frozenset(way) in reported:
                continue
            reported.add(frozenset(way))
            steps = [f"{layer}/{a} -> {layer}/{b} ({graph[a][b]})" for a, b in zip(way, way[1:])]
            problems.append("folders include each other:\n    " + "\n    ".join(steps))
    return problems


def listed_folders(readme):
    """The folders the README's layout section names, as 'layer/folder'."""
    text = open(readme, encoding="utf-8").read()
    section = text.split("## Layout of the source", 1)
    if len(section) < 2:
        return None
    block = re.search(r"```\n(.*?)```", section[1], re.S)
    if not block:
        return None
    listed, layer = set(), None
    for line in block.group(1).splitlines():
        top = re.match(r"([a-z]+)/\s", line)
        sub = re.match(r"  ([A-Za-z0-9_]+)/\s", line)
        if top:
            layer = top.group(1)
        elif sub and layer:
            listed.add(f"{layer}/{sub.group(1)}")
    return listed


def layout(root):
    listed = listed_folders(os.path.join(root, "README.md"))
    if listed is None:
        return ["README.md has no \"Layout of the source\" section with a listing"]
    present = {f"{layer}/{folder}" for layer in LAYERS for folder in folders(root, layer)}
    problems = [f"README.md's layout does not list {f}/" for f in sorted(present - listed)]
    problems += [f"README.md's layout lists {f}/, which is not there"
                 for f in sorted(listed - present) if f.split("/")[0] in LAYERS]
    return problems


def check(root):
    problems = loops(root) + layout(root)
    for problem in problems:
        print(problem)
    return not problems


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "a", encoding="utf-8") as out:
        out.write(text)


def self_test():
    tree = tempfile.mkdtemp()
    failed = False
    try:
        write(f"{tree}/core/data/A.h", '#include <QString>\n')
        write(f"{tree}/core/editing/E.h", '#include "core/data/A.h"\n')
        write(f"{tree}/core/document/D.cpp", '#include "core/editing/E.h"\n// #include "core/document/D.h" in a comment\n')
        write(f"{tree}/gui/main/W.cpp", '#include "core/document/D.h"\n')
        write(f"{tree}/README.md", "## Layout of the source\n\n```\ncore/  x\n  data/ a\n  editing/ e\n"
              "  document/ d\ngui/  y\n  main/ w\ntests/  t\n```\n")
        if not check(tree):
            print("FAILED: a clean tree is refused")
            failed = True
        plants = [
            ("core/data/A.h", '#include "core/document/D.h"\n', "folders include each other"),
            ("core/editing/E.h", '  #  include <core/document/D.h>\n', "folders include each other"),
            ("gui/pages/P.h", "\n", "does not list gui/pages/"),
            ("README.md", "", "lists core/editing/, which is not there"),
        ]
        for file, line, expected in plants:
            planted = tree + ".planted"
            shutil.copytree(tree, planted)
            if file == "README.md":
                shutil.rmtree(f"{planted}/core/editing")
                with open(f"{planted}/core/document/D.cpp", "w", encoding="utf-8") as out:
                    out.write('#include "core/data/A.h"\n')
            else:
                write(f"{planted}/{file}", line)
            out = io.StringIO()
            with contextlib.redirect_stdout(out):
                passed = check(planted)
            if passed or expected not in out.getvalue():
                print(f"FAILED: not found: {expected!r} after planting in {file}")
                failed = True
            shutil.rmtree(planted)
    finally:
        shutil.rmtree(tree)
    return not failed


if __name__ == "__main__":
    if len(sys.argv) == 2 and sys.argv[1] == "--self-test":
        ok = self_test()
        if ok:
            print("folders: every planted loop and gap found")
        sys.exit(0 if ok else 1)
    if len(sys.argv) != 2:
        sys.exit("usage: folders.py SOURCE_DIR | --self-test")
    ok = check(sys.argv[1])
    if ok:
        print("folders: no loops, every folder listed")
    sys.exit(0 if ok else 1)
