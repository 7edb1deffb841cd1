#!/usr/bin/env bash
# The project's one entry point.
#   ./dev.sh test   install what is missing, build both trees, run every test
#   ./dev.sh play   install what is missing, build, start the game under Wine
#   ./dev.sh build  build both trees only
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
jobs=$(nproc 2>/dev/null || echo 2)

native=$top/build/native
win32=$top/build/win32
export WINEPREFIX=${TRELMO_WINEPREFIX:-$top/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32

build_native() {
  cmake -S "$top" -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$native" -j "$jobs"
}

build_win32() {
  # The Windows tree's resource files come from the native asset generator.
  cmake -S "$top" -B "$win32" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" \
    -DTRELMO_ASSETGEN="$native/tools/assetgen/trelmo-assetgen" >/dev/null
  cmake --build "$win32" -j "$jobs"
}

# A 32-bit prefix made once; wineboot is the slow part.
prepare_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== preparing the Wine prefix"
    LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}

case "${1:-}" in
  test)
    bash tools/setup.sh
    build_native
    build_win32
    echo "== native tests"
    (cd "$native" && ctest --output-on-failure -j "$jobs")
    prepare_wine
    echo "== Windows tests under Wine"
    (cd "$win32" && LC_ALL=zh_CN.UTF-8 ctest --output-on-failure)
    ;;
  play)
    bash tools/setup.sh
    build_native
    build_win32
    echo "The game rules and trelmo-sim are built ($native/tools/sim/trelmo-sim);"
    echo "the Windows window is not playable yet."
    ;;
  build)
    build_native
    build_win32
    ;;
  *)
    echo "usage: $0 test|play|build" >&2
    exit 2
    ;;
esac
