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
echo "layers self-test: ok"
