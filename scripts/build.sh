#!/usr/bin/env bash
# Configures and builds into build/: `build.sh run` only the toy (a first configure leaves the
# tests out, so no test tool is needed), `build.sh test` everything with the tests.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${BUILD_DIR:-$top/build}"
case "${1:-test}" in
  run)
    if [ ! -f "$build/build.ninja" ]; then
      cmake -S "$top" -B "$build" -G Ninja -DSCRIBBLEWICK_TESTS=OFF
    fi
    cmake --build "$build" -j2 --target scribblewick ;;
  test)
    if [ ! -f "$build/build.ninja" ] ||
       ! grep -q '^SCRIBBLEWICK_TESTS:BOOL=ON' "$build/CMakeCache.txt"; then
      cmake -S "$top" -B "$build" -G Ninja -DSCRIBBLEWICK_TESTS=ON
    fi
    cmake --build "$build" -j2 ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
