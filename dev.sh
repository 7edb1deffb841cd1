#!/usr/bin/env bash
# The project's one entry point.
#   ./dev.sh test   install what is missing, build both trees, run every test
#   ./dev.sh play   install what is missing, build, start the game under Wine
#   ./dev.sh build  build both trees only
#   ./dev.sh fuzz   run the fuzz targets (TRELMO_FUZZ_SECONDS each, default 30)
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

# The native tests again under AddressSanitizer and UBSan, then each fuzz
# target for a fixed time from its seed corpus.
sanitized_tests() {
  local tree=$top/build/sanitize
  cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=Debug -DTRELMO_SANITIZE=ON >/dev/null
  cmake --build "$tree" -j "$jobs"
  (cd "$tree" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     ctest --output-on-failure -j "$jobs")
}

fuzz_briefly() {
  # seed 0: libFuzzer picks one; the test command fixes it so a run repeats.
  local tree=$top/build/fuzz seconds=${TRELMO_FUZZ_SECONDS:-30} seed=${TRELMO_FUZZ_SEED:-0}
  CXX=clang++ cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELMO_FUZZ=ON >/dev/null
  cmake --build "$tree" -j "$jobs"
  local target corpus
  for target in sim_fuzz settings_fuzz; do
    corpus=$tree/corpus/$target
    mkdir -p "$corpus"
    case $target in
      sim_fuzz) cp "$top"/tests/sim/*.sim "$corpus"/ ;;
      settings_fuzz) cp "$top"/tests/sim/*.ini "$top"/tests/fuzz/seeds/*.ini "$corpus"/ ;;
    esac
    echo "== $target for ${seconds}s"
    if ! "$tree/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -seed="$seed" \
        -artifact_prefix="$tree/" -print_final_stats=1 "$corpus" >"$tree/$target.log" 2>&1; then
      grep -E 'ERROR|SUMMARY|sim_fuzz:|settings_fuzz:' "$tree/$target.log" | head -n 20 >&2
      echo "$target found a fault; the input is in $tree/crash-* (log: $tree/$target.log)" >&2
      return 1
    fi
    grep -E '^stat::number_of_executed_units' "$tree/$target.log" || true
  done
}

# A 32-bit prefix made once; wineboot is the slow part.
prepare_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== preparing the Wine prefix"
    LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}

# An X server of our own on a free display: sets DISPLAY and xvfb_pid.
xvfb_pid=""
start_xvfb() {
  local n=77
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.2; done
}
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  xvfb_pid=""
}

# Starts trelmo.exe under Wine with the Chinese code page; on an X server of
# its own when there is no display, and in a Wine desktop when no window
# manager runs.
play() {
  if [ -z "${DISPLAY:-}" ]; then
    trap stop_xvfb EXIT
    start_xvfb
    echo "No DISPLAY: started Xvfb on $DISPLAY; the game runs there, out of sight"
    echo "(attach a VNC server such as x11vnc to it, or run from a desktop session)."
  fi
  echo "== starting trelmo.exe"
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    LC_ALL=zh_CN.UTF-8 wine "$win32/shell/trelmo.exe" || true
  else
    LC_ALL=zh_CN.UTF-8 wine explorer /desktop=Trelmo,1024x768 "$win32/shell/trelmo.exe" || true
  fi
  wineserver -w || true
  stop_xvfb
}

case "${1:-}" in
  test)
    bash tools/setup.sh
    build_native
    build_win32
    echo "== native tests"
    (cd "$native" && ctest --output-on-failure -j "$jobs")
    echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    sanitized_tests
    echo "== fuzzing"
    TRELMO_FUZZ_SEED=${TRELMO_FUZZ_SEED:-1} fuzz_briefly
    prepare_wine
    echo "== Windows tests under Wine"
    # The window tests need an X display; they get one of their own.
    (
      start_xvfb
      status=0
      (cd "$win32" && LC_ALL=zh_CN.UTF-8 ctest --output-on-failure) || status=$?
      wineserver -k 2>/dev/null || true
      stop_xvfb
      exit "$status"
    )
    echo "== end-to-end tests of trelmo.exe"
    bash tests/e2e/run.sh "$win32/shell/trelmo.exe" "$native/tools/sim/trelmo-sim"
    ;;
  play)
    bash tools/setup.sh
    build_native
    build_win32
    prepare_wine
    play
    ;;
  build)
    build_native
    build_win32
    ;;
  fuzz)
    # A longer run: TRELMO_FUZZ_SECONDS=3600 ./dev.sh fuzz
    bash tools/setup.sh
    fuzz_briefly
    ;;
  *)
    echo "usage: $0 test|play|build|fuzz" >&2
    exit 2
    ;;
esac
