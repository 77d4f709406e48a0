#!/usr/bin/env bash
# Packs the built toy as a .deb into OUT, checks it as Debian and desktops would, and unpacks it
# into OUT/root for the test that starts the unpacked copy.
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out/root"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null 2>&1)
deb=$out/scribblewick_1.0.0_amd64.deb
test -f "$deb"
# lintian leaves a temporary file behind each run: it goes in our folder, not the system's /tmp.
mkdir -p "$out/tmp"
TMPDIR="$out/tmp" lintian --no-cfg --fail-on error "$deb" || { echo "lintian found errors"; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -qx qt6-wayland
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6 (>='
dpkg-deb -x "$deb" "$out/root"
share=$out/root/usr/share
desktop-file-validate "$share/applications/scribblewick.desktop"
grep -qx 'Exec=scribblewick' "$share/applications/scribblewick.desktop"
grep -qx 'Icon=scribblewick' "$share/applications/scribblewick.desktop"
appstreamcli validate --no-net "$share/metainfo/org.scribblewick.Scribblewick.metainfo.xml" >/dev/null
for size in 16 24 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/scribblewick.png")
  [ "$got" = "${size}x${size}" ] || { echo "the ${size} px icon is $got"; exit 1; }
done
echo "package: ok"
