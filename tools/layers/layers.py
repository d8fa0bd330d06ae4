#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that the folders under src/ include each other only downwards, and draws who includes whom.

The order lives in layers.txt beside this script, top layer first. A folder is the first directory
under src/, or platform/<name> for src/platform/<name>/. A file may include headers from its own
folder and from folders in lower layers; an include to the same layer or upwards is a fault, and so
is a folder under src/ that layers.txt does not name.

    tools/layers/layers.py                      # check, exit 1 on any fault
    tools/layers/layers.py --svg layers.svg     # picture of the layers and includes (add --check to check too)
    tools/layers/layers.py --root /tmp/tree     # another tree (with its own src/)

Standard library only: CI runs it on a bare python3.
"""

import argparse
import os
import re
import sys
from collections import Counter
from html import escape
from pathlib import Path, PurePosixPath

HERE = Path(__file__).resolve().parent
SOURCE_SUFFIXES = (".h", ".cpp", ".c")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


class LayerFileError(Exception):
    pass


def read_layers(path):
    """Returns the layers as lists of folder names, top layer first."""
    layers = []
    seen = {}
    try:
        text = path.read_text(encoding="utf-8")
    except OSError as e:
        raise LayerFileError(f"{path}: {e.strerror}")
    for number, line in enumerate(text.splitlines(), 1):
        folders = [word.strip("/") for word in line.split("#", 1)[0].split()]
        for folder in folders:
            if folder in seen:
                raise LayerFileError(f"{path}:{number}: {folder} is named already on line {seen[folder]}")
            seen[folder] = number
        if folders:
            layers.append(folders)
    if not layers:
        raise LayerFileError(f"{path}: names no folders")
    return layers


def folder_of(relative):
    """The folder a path under src/ belongs to; "." for a file lying in src/ itself."""
    parts = PurePosixPath(relative).parts
    if len(parts) >= 3 and parts[0] == "platform":
        return "platform/" + parts[1]
    if len(parts) >= 2:
        return parts[0]
    return "."


def plural(n, word):
    return f"{n} {word}" if n == 1 else f"{n} {word}s"


def folder_label(folder):
    return "src/" if folder == "." else f"src/{folder}/"


class Include:
    def __init__(self, file, line, name, source, target):
        self.file = file        # path relative to the root, with "/"
        self.line = line
        self.name = name        # as written between the quotes
        self.source = source    # folder of the including file
        self.target = target    # folder of the included header


def source_files(src):
    """Every file under src/, relative to it, in a fixed order."""
    found = []
    for directory, subdirectories, files in os.walk(src):
        subdirectories.sort()
        for name in sorted(files):
            found.append((Path(directory) / name).relative_to(src).as_posix())
    return found


def resolve(src, including, name, known):
    """Folder of an included header, looked up as the compiler does: beside the including file, then
    from src/. A header not in the tree (moved, or not there yet) still counts when its path starts
    with a folder we know; anything else is outside src/ and not our business."""
    for base in (src / PurePosixPath(including).parent, src):
        candidate = Path(os.path.normpath(base / name))
        try:
            relative = candidate.relative_to(src)
        except ValueError:
            continue
        if candidate.is_file():
            return folder_of(relative.as_posix())
    folder = folder_of(os.path.normpath(name).replace(os.sep, "/"))
    return folder if folder in known else None


def scan(root, declared):
    """Returns the folders that hold files and every include of a header under src/."""
    src = root / "src"
    files = source_files(src)
    present = {folder_of(f) for f in files}
    known = present | set(declared)
    includes = []
    for relative in files:
        if not relative.endswith(SOURCE_SUFFIXES):
            continue
        text = (src / relative).read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = resolve(src, relative, match.group(1), known)
            if target is not None:
                includes.append(Include("src/" + relative, number, match.group(1), folder_of(relative), target))
    return present, includes


class Tree:
    def __init__(self, root, layers_path):
        self.layers_path = layers_path
        self.layers = read_layers(layers_path)
        self.level = {folder: i for i, layer in enumerate(self.layers) for folder in layer}
        if not (root / "src").is_dir():
            raise LayerFileError(f"{root / 'src'}: no such folder")
        self.present, self.includes = scan(root, self.level)
        self.unknown = sorted(self.present - set(self.level))
        self.missing = [f for layer in self.layers for f in layer if f not in self.present]
        self.between = [i for i in self.includes if i.source != i.target]
        self.against = [i for i in self.between if i.source in self.level and i.target in self.level
                        and self.breaks(i.source, i.target)]

    def breaks(self, source, target):
        """True when an include from source to target runs against the order."""
        if source not in self.level or target not in self.level:
            return True
        return self.level[target] <= self.level[source]


def shown(path, root):
    try:
        return path.resolve().relative_to(root.resolve()).as_posix()
    except ValueError:
        return str(path)


def check(tree, root, out=sys.stdout, err=sys.stderr):
    """Prints the faults, or one line saying there are none; returns the exit status."""
    # A declared folder without files is a move in progress, not a fault.
    for folder in tree.missing:
        print(f"layers: warning: {folder} is in the order but src/{folder}/ holds no files", file=err)
    err.flush()
    for inc in tree.against:
        print(f'{inc.file}:{inc.line}: includes "{inc.name}": '
              f'{inc.source} (layer {tree.level[inc.source] + 1}) may not include '
              f'{inc.target} (layer {tree.level[inc.target] + 1})', file=out)
    for folder in tree.unknown:
        print(f"{folder_label(folder)}: folder not named in {shown(tree.layers_path, root)}", file=out)
    if tree.against or tree.unknown:
        print(f"layers: {plural(len(tree.against), 'include')} against the order, "
              f"{plural(len(tree.unknown), 'folder')} not in it "
              f"(layer 1 is the top; a folder may include only from layers with a larger number)", file=out)
        return 1
    folders = len(tree.present)
    print(f"layers: {plural(len(tree.between), 'include')} between {plural(folders, 'folder')} "
          f"follow the order", file=out)
    return 0


# ---- Windows' headers ---------------------------------------------------------------------------

# Our headers keep Windows' names as constants of their own, which Windows' headers define as macros. So
# Windows' headers come only into the Windows build's own files (*_win32.cpp), through
# platform/win32/windows_api.h, after every header of ours: see that header.
WINDOWS_API = "platform/win32/windows_api.h"
SDK_INCLUDE = re.compile(r"^\s*#\s*include\s*<(windows|winsock2?|ws2tcpip|wincodec|mmsystem|shellapi|objbase|objidl|"
                         r"ole2|shlwapi|wincrypt|schannel|security|sspi|winhttp|commctrl|dwmapi|shellscalingapi|"
                         r"mmdeviceapi|endpointvolume|propidl|winreg|winuser|wingdi|winbase|ddraw|wtsapi32|"
                         r"shlobj|knownfolders|winnls|winternl|versionhelpers)\.h>", re.IGNORECASE)


def windows_faults(root):
    """Where Windows' headers are included against the rule above, as "file:line: why" lines."""
    faults = []
    for top in ("src", "tests", "bench", "fuzz", "examples"):
        base = root / top
        if not base.is_dir():
            continue
        for relative in source_files(base):
            if not relative.endswith(SOURCE_SUFFIXES):
                continue
            path = f"{top}/{relative}"
            windows_file = relative.endswith("_win32.cpp") or relative.endswith("_win32_test.cpp")
            seen_windows = None
            text = (base / relative).read_text(encoding="utf-8", errors="replace")
            for number, line in enumerate(text.splitlines(), 1):
                ours = INCLUDE.match(line)
                sdk = SDK_INCLUDE.match(line)
                if path == "src/" + WINDOWS_API:
                    continue
                if ours and ours.group(1) == WINDOWS_API or sdk:
                    if not windows_file:
                        faults.append(f"{path}:{number}: Windows' headers belong to *_win32.cpp files only")
                    elif sdk and sdk.group(1).lower() == "windows":
                        faults.append(f'{path}:{number}: include "{WINDOWS_API}", not <windows.h>')
                    seen_windows = seen_windows or number
                elif ours and seen_windows:
                    faults.append(f'{path}:{number}: "{ours.group(1)}" comes after Windows\' headers '
                                  f"(line {seen_windows}); ours go first")
    return faults


# ---- picture ------------------------------------------------------------------------------------

WIDTH = 1000
FONT = "DejaVu Sans Mono, Menlo, Consolas, monospace"
CHAR_W = 0.602              # advance of a monospace glyph, in ems
LABEL_SIZE = 14
BOX_H = 30
BOX_PAD = 12
BOX_GAP = 30                # between boxes of one layer
ROW_GAP = 40                # between layers
TOP = 56
LANE_MARGIN = 18            # from the outermost box to the first side lane
LANE_STEP = 8
GREY = "#b4b4b4"
RED = "#d62728"


def text_width(text, size):
    return len(text) * size * CHAR_W


class Box:
    def __init__(self, folder, row, x, y, w):
        self.folder, self.row, self.x, self.y, self.w = folder, row, x, y, w
        self.top_ports = []         # (sort key, edge, which end) of the edges met on the top side
        self.bottom_ports = []

    @property
    def cx(self):
        return self.x + self.w / 2

    @property
    def bottom(self):
        return self.y + BOX_H


class Edge:
    def __init__(self, source, target, count, bad):
        self.source, self.target, self.count, self.bad = source, target, count, bad
        self.lane_x = None
        self.start = self.end = None


def f(v):
    return f"{v:.1f}".rstrip("0").rstrip(".")


def layout(tree):
    rows = [list(layer) for layer in tree.layers]
    if tree.unknown:
        rows.append(list(tree.unknown))
    boxes = {}
    for r, row in enumerate(rows):
        widths = [text_width(folder, LABEL_SIZE) + 2 * BOX_PAD for folder in row]
        x = (WIDTH - sum(widths) - BOX_GAP * (len(row) - 1)) / 2
        y = TOP + r * (BOX_H + ROW_GAP)
        for folder, w in zip(row, widths):
            boxes[folder] = Box(folder, r, x, y, w)
            x += w + BOX_GAP
    return rows, boxes


def route(tree, boxes):
    counts = Counter((i.source, i.target) for i in tree.between if i.source in boxes and i.target in boxes)
    edges = [Edge(boxes[s], boxes[t], n, tree.breaks(s, t)) for (s, t), n in sorted(counts.items())]
    rows = 1 + max(b.row for b in boxes.values())
    # Edges across more than one layer run down a lane beside the boxes of the layers they pass,
    # so that no box hides them. Shorter ones go first and so take the lanes nearest the boxes;
    # each takes the side that makes its way shorter.
    free_left = [WIDTH / 2] * rows
    free_right = [WIDTH / 2] * rows
    for b in boxes.values():
        free_left[b.row] = min(free_left[b.row], b.x - LANE_MARGIN + LANE_STEP)
        free_right[b.row] = max(free_right[b.row], b.x + b.w + LANE_MARGIN - LANE_STEP)
    long_edges = [e for e in edges if abs(e.target.row - e.source.row) >= 2]
    for e in sorted(long_edges, key=lambda e: (abs(e.target.row - e.source.row), e.source.row,
                                               e.source.folder, e.target.folder)):
        low, high = sorted((e.source.row, e.target.row))
        passed = range(low + 1, high)
        x_left = min(free_left[r] for r in passed) - LANE_STEP
        x_right = max(free_right[r] for r in passed) + LANE_STEP
        way_left = abs(e.source.cx - x_left) + abs(e.target.cx - x_left)
        way_right = abs(e.source.cx - x_right) + abs(e.target.cx - x_right)
        if way_left <= way_right:
            e.lane_x = x_left
            for r in passed:
                free_left[r] = x_left
        else:
            e.lane_x = x_right
            for r in passed:
                free_right[r] = x_right

    # Ports: each edge gets its own point on a box side, ordered by where the edge heads so that
    # edges leaving or entering one box do not cross there.
    for e in edges:
        s, t = e.source, e.target
        toward_t = e.lane_x if e.lane_x is not None else t.cx
        toward_s = e.lane_x if e.lane_x is not None else s.cx
        key = (s.folder, t.folder)
        if t.row > s.row:
            s.bottom_ports.append(((toward_t, key), e, "start"))
            t.top_ports.append(((toward_s, key), e, "end"))
        else:   # upwards, or within one layer: leave at the top
            s.top_ports.append(((toward_t, key), e, "start"))
            if t.row < s.row:
                t.bottom_ports.append(((toward_s, key), e, "end"))
            else:
                t.top_ports.append(((toward_s, key), e, "end"))
    for b in boxes.values():
        for ports, y in ((b.top_ports, b.y), (b.bottom_ports, b.bottom)):
            ports.sort(key=lambda p: p[0])
            for i, (_, e, which) in enumerate(ports):
                point = (b.x + b.w * (i + 1) / (len(ports) + 1), y)
                setattr(e, which, point)
    return edges


def edge_path(e):
    (sx, sy), (tx, ty) = e.start, e.end
    if e.source.row == e.target.row:
        h = 16 + 0.15 * abs(tx - sx)
        return f"M{f(sx)},{f(sy)} C{f(sx)},{f(sy - h)} {f(tx)},{f(ty - h)} {f(tx)},{f(ty)}"
    down = 1 if e.target.row > e.source.row else -1
    g = ROW_GAP * down
    if e.lane_x is None:
        m = (sy + ty) / 2
        return f"M{f(sx)},{f(sy)} C{f(sx)},{f(m)} {f(tx)},{f(m)} {f(tx)},{f(ty)}"
    lx = e.lane_x
    return (f"M{f(sx)},{f(sy)} C{f(sx)},{f(sy + 0.8 * g)} {f(lx)},{f(sy + 0.2 * g)} {f(lx)},{f(sy + g)}"
            f" L{f(lx)},{f(ty - g)} C{f(lx)},{f(ty - 0.2 * g)} {f(tx)},{f(ty - 0.8 * g)} {f(tx)},{f(ty)}")


def svg(tree):
    rows, boxes = layout(tree)
    edges = route(tree, boxes)
    against = len(tree.against)
    height = TOP + len(rows) * (BOX_H + ROW_GAP) + 30
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{height}" '
           f'viewBox="0 0 {WIDTH} {height}" font-family="{FONT}">',
           '<defs>',
           f'<marker id="a" viewBox="0 0 10 10" refX="10" refY="5" markerWidth="7" markerHeight="7" '
           f'orient="auto"><path d="M0,0 L10,5 L0,10 z" fill="#8c8c8c"/></marker>',
           f'<marker id="r" viewBox="0 0 10 10" refX="10" refY="5" markerWidth="7" markerHeight="7" '
           f'orient="auto"><path d="M0,0 L10,5 L0,10 z" fill="{RED}"/></marker>',
           '</defs>',
           f'<rect width="{WIDTH}" height="{height}" fill="white"/>']
    faults = []
    if against:
        faults.append(f"{plural(against, 'include')} against the order")
    if tree.unknown:
        faults.append(f"{plural(len(tree.unknown), 'folder')} not in it")
    bad = bool(faults)
    title = f"Layers of src/: {len(tree.between)} includes between folders, " + (
        ", ".join(faults) if faults else "all follow the order")
    out.append(f'<text x="{WIDTH / 2:.0f}" y="28" font-size="16" font-weight="bold" text-anchor="middle" '
               f'fill="{RED if bad else "#222"}">{escape(title)}</text>')

    for r in range(len(rows)):
        y = TOP + r * (BOX_H + ROW_GAP) + BOX_H / 2 + 4
        label = str(r + 1) if r < len(tree.layers) else "?"
        out.append(f'<text x="8" y="{f(y)}" font-size="11" fill="#999">{label}</text>')

    # Grey first, red on top; all edges behind the boxes.
    for e in sorted(edges, key=lambda e: e.bad):
        colour, width, marker = (RED, 1.8, "r") if e.bad else (GREY, 1.2, "a")
        out.append(f'<path d="{edge_path(e)}" fill="none" stroke="{colour}" stroke-width="{width}" '
                   f'marker-end="url(#{marker})"/>')

    for folder in [folder for row in rows for folder in row]:
        b = boxes[folder]
        if folder in tree.unknown:
            style = f'fill="#fde8e8" stroke="{RED}" stroke-width="1.5"'
            colour = RED
        elif folder in tree.missing:
            style = 'fill="white" stroke="#999" stroke-width="1.2" stroke-dasharray="4 3"'
            colour = "#888"
        else:
            style = 'fill="#eef3fa" stroke="#3d5a80" stroke-width="1.2"'
            colour = "#1b263b"
        out.append(f'<rect x="{f(b.x)}" y="{f(b.y)}" width="{f(b.w)}" height="{BOX_H}" rx="4" {style}/>')
        out.append(f'<text x="{f(b.cx)}" y="{f(b.y + BOX_H / 2 + 5)}" font-size="{LABEL_SIZE}" '
                   f'text-anchor="middle" fill="{colour}">{escape(folder)}</text>')

    # Counts on the edges just before their arrow heads, where each edge has a place of its own.
    for e in edges:
        tx, ty = e.end
        y = ty - 10 if e.target.row >= e.source.row else ty + 18
        colour = RED if e.bad else "#555"
        out.append(f'<text x="{f(tx)}" y="{f(y)}" font-size="10" text-anchor="middle" fill="{colour}" '
                   f'stroke="white" stroke-width="3" paint-order="stroke">{e.count}</text>')

    legend_y = height - 12
    x = 20
    parts = [("line", GREY, "a", "allowed include (downwards)"),
             ("line", RED, "r", "include against the order"),
             ("text", None, None, "n = #include lines"),
             ("dash", None, None, "declared folder without files"),
             ("text", None, None, "left: layer, 1 = top")]
    for kind, colour, marker, text in parts:
        if kind == "line":
            out.append(f'<path d="M{x},{legend_y - 4} L{x + 26},{legend_y - 4}" stroke="{colour}" '
                       f'stroke-width="1.6" marker-end="url(#{marker})"/>')
            x += 32
        elif kind == "dash":
            out.append(f'<rect x="{x}" y="{legend_y - 11}" width="22" height="12" rx="2" fill="white" '
                       f'stroke="#999" stroke-dasharray="4 3"/>')
            x += 28
        out.append(f'<text x="{x}" y="{legend_y}" font-size="11" fill="#444">{escape(text)}</text>')
        x += round(text_width(text, 11)) + 22
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main(argv=None):
    parser = argparse.ArgumentParser(description="Checks and draws the layers of the folders under src/.")
    parser.add_argument("--root", type=Path, default=HERE.parent.parent,
                        help="repository root holding src/ (default: the one this script lives in)")
    parser.add_argument("--layers", type=Path, default=HERE / "layers.txt",
                        help="the declared order (default: layers.txt beside this script)")
    parser.add_argument("--check", action="store_true", help="report includes against the order (default)")
    parser.add_argument("--svg", metavar="FILE", help="draw the layers and includes as SVG ('-': stdout)")
    args = parser.parse_args(argv)
    try:
        tree = Tree(args.root, args.layers)
    except LayerFileError as e:
        print(f"layers: {e}", file=sys.stderr)
        return 2
    status = 0
    if args.svg:
        picture = svg(tree)
        if args.svg == "-":
            sys.stdout.write(picture)
        else:
            Path(args.svg).write_text(picture, encoding="utf-8")
    if args.check or not args.svg:
        status = check(tree, args.root)
        faults = windows_faults(args.root)
        for fault in faults:
            print(fault)
        if faults:
            print(f"layers: {plural(len(faults), 'include')} of Windows' headers against the rule of {WINDOWS_API}")
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
