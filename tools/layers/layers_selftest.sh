#!/bin/sh
# SPDX-License-Identifier: MIT
# Shows that the layer check fails on an include against the order and on an unnamed folder,
# and passes once they are gone.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/top" "$tree/src/platform/low"
printf 'top\nplatform/low\n' > "$tree/layers.txt"
printf '#include "platform/low/low.h"\n' > "$tree/src/top/top.h"
printf '#include "top/top.h"\n' > "$tree/src/platform/low/low.h"
check() { python3 "$here/layers.py" --root "$tree" --layers "$tree/layers.txt" > "$tree/out" 2>&1; }
if check; then echo "FAIL: include upwards passed"; exit 1; fi
grep -q 'src/platform/low/low.h:1: includes "top/top.h": platform/low (layer 2) may not include top (layer 1)' "$tree/out"
printf '\n' > "$tree/src/platform/low/low.h"
check || { echo "FAIL: clean tree failed"; cat "$tree/out"; exit 1; }
mkdir "$tree/src/stray" && touch "$tree/src/stray/x.h"
if check; then echo "FAIL: unnamed folder passed"; exit 1; fi
rm -r "$tree/src/stray"
# Windows' headers: only in *_win32.cpp files, and after every header of ours.
mkdir -p "$tree/src/platform/win32" && printf 'platform/win32\n' >> "$tree/layers.txt"
touch "$tree/src/platform/win32/windows_api.h"
printf '#include "platform/win32/windows_api.h"\n' > "$tree/src/platform/low/low.cpp"
if check; then echo "FAIL: Windows' headers outside a Windows file passed"; exit 1; fi
grep -q "src/platform/low/low.cpp:1: Windows' headers belong to \*_win32.cpp files only" "$tree/out"
rm "$tree/src/platform/low/low.cpp"
printf '#include "platform/win32/windows_api.h"\n#include "platform/low/low.h"\n' > "$tree/src/platform/low/low_win32.cpp"
if check; then echo "FAIL: a header of ours after Windows' passed"; exit 1; fi
grep -q 'low_win32.cpp:2: "platform/low/low.h" comes after' "$tree/out"
printf '#include "platform/low/low.h"\n\n#include "platform/win32/windows_api.h"\n' > "$tree/src/platform/low/low_win32.cpp"
check || { echo "FAIL: a Windows file in order failed"; cat "$tree/out"; exit 1; }
echo "layers self-test: ok"
