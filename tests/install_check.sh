#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry and its icon where desktops look.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/scribblewick"
desktop-file-validate "$prefix/share/applications/scribblewick.desktop"
grep -qx 'Exec=scribblewick' "$prefix/share/applications/scribblewick.desktop"
grep -qx 'Icon=scribblewick' "$prefix/share/applications/scribblewick.desktop"
size=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/32x32/apps/scribblewick.png")
[ "$size" = 32x32 ] || { echo "icon is $size"; exit 1; }
echo "installed: ok"
