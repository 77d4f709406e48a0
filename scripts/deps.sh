#!/usr/bin/env bash
# Installs the Debian packages a step needs, and nothing when they are all present.
# Usage: scripts/deps.sh run|test|package|windows|windows-qt|web|web-qt
set -euo pipefail

# the toy itself, on X11 and Wayland; its catalogues are built with Qt's Linguist tools and
# Qt's own catalogues are embedded beside them
l10n_pkgs=(qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
run_pkgs=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev
          fonts-dejavu-core "${l10n_pkgs[@]}")
# the .deb: CPack reads each file's type (file) and asks dpkg-shlibdeps for the libraries
package_pkgs=("${run_pkgs[@]}" dpkg-dev file)
# the Windows exe, cross-built, its setup (NSIS) and MSI (wixl), and their signatures
windows_pkgs=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
              qt6-base-dev qt6-base-dev-tools xz-utils "${l10n_pkgs[@]}" nsis wixl osslsigncode)
# the static Qt for it, from Debian's source
windows_qt_pkgs=("${windows_pkgs[@]}" dpkg-dev)
# the toy for the browser (emscripten brings clang, lld and binaryen), its compressed copies; the
# static Qt for it from Debian's source
web_qt_pkgs=(cmake ninja-build emscripten qt6-base-dev qt6-base-dev-tools dpkg-dev xz-utils)
web_pkgs=("${web_qt_pkgs[@]}" "${l10n_pkgs[@]}" brotli python3 python3-fonttools fonts-noto-cjk)
# the web tests: Debian's Chromium, driven by playwright-core from npm (Node 20 may come from
# elsewhere, with its own npm), Firefox ESR by puppeteer-core, and a WebKitGTK view of the
# tests' own (Python, with cairo for its snapshots)
web_test_pkgs=(chromium firefox-esr gir1.2-webkit2-4.1 python3-gi python3-gi-cairo)
command -v npm >/dev/null || web_test_pkgs+=(nodejs npm)
test_pkgs=("${web_pkgs[@]}" "${web_test_pkgs[@]}" xvfb xdotool xclip imagemagick cups printer-driver-cups-pdf poppler-utils
           desktop-file-utils libx11-dev clang-tidy clang-format cppcheck git
           ghostscript wine64 fonts-wine python3-pefile weston lintian appstream dpkg-dev file
           at-spi2-core python3-pyatspi dbus-daemon dbus-bin msitools openssl
           sway wtype grim wl-clipboard libwayland-dev librust-wayland-protocols-dev
           fonts-noto-cjk) # Chinese and Japanese as their desktops show them

case "${1:-run}" in
  run) wanted=("${run_pkgs[@]}") ;;
  test) wanted=("${run_pkgs[@]}" "${windows_pkgs[@]}" "${test_pkgs[@]}") ;;
  package) wanted=("${package_pkgs[@]}") ;;
  windows) wanted=("${windows_pkgs[@]}") ;;
  windows-qt) wanted=("${windows_qt_pkgs[@]}") ;;
  web) wanted=("${web_pkgs[@]}") ;;
  web-qt) wanted=("${web_qt_pkgs[@]}") ;;
  *) echo "usage: $0 run|test|package|windows|windows-qt|web|web-qt" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}" >&2
