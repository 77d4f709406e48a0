#!/usr/bin/env bash
# Installs the Debian packages a step needs, and nothing when they are all present.
# Usage: scripts/deps.sh run|test
set -euo pipefail

build_pkgs=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core)
test_pkgs=(xvfb xdotool xclip imagemagick cups printer-driver-cups-pdf poppler-utils
           binutils-mingw-w64-x86-64 desktop-file-utils libx11-dev
           clang-tidy clang-format cppcheck)

case "${1:-run}" in
  run) wanted=("${build_pkgs[@]}") ;;
  test) wanted=("${build_pkgs[@]}" "${test_pkgs[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}"
