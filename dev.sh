#!/usr/bin/env bash
# The project's one entry point.
#   ./dev.sh test   install what is missing, build, run every test
#   ./dev.sh play   install what is missing, build, start the game under Wine
#   ./dev.sh play native   the same for the Linux program (GTK 3)
#   ./dev.sh play web      build trelmo.html and its site, serve the site on
#                          127.0.0.1
#   ./dev.sh build  build the trees only
#   ./dev.sh web    build the core, trelmo-sim and trelmo.html with
#                   Emscripten, replay the scripted games under node, run
#                   the differential replay when build/native is there, and
#                   test the page in headless Chromium
#                   (the differential replay: the kept fuzz corpus, the
#                   scripted games and TRELMO_DIFF_SECONDS, default 30, of
#                   scripts generated from TRELMO_DIFF_SEED, printed, through
#                   the native trelmo-sim and trelmo-sim.js, compared byte
#                   for byte; `test` fixes the seed at 1 unless given)
#   ./dev.sh bless  write the scripted games' outputs as their expected ones
#   ./dev.sh fuzz   replay the kept fuzz corpus, then fuzz each target for
#                   TRELMO_FUZZ_SECONDS (default 30); `fuzz keep` folds the
#                   inputs found into the kept corpus
#   ./dev.sh coverage  line and branch coverage of store/, game/ and replay/ by the
#                   kept corpus
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
jobs=$(nproc 2>/dev/null || echo 2)

native=$top/build/native
. "$top/tools/test-env.sh"
export WINEPREFIX=${TRELMO_WINEPREFIX:-$top/build/wineprefix}

# build_tree NAME [BUILD-ARGS...]: configures build/NAME from its preset in
# CMakePresets.json, where the trees are set out, and builds it.
build_tree() {
  local name=$1
  shift
  cmake --preset "$name" >/dev/null
  cmake --build --preset "$name" -j "$jobs" "$@"
}

# The product, trelmo.exe for 32-bit Windows, and, on a machine that cannot
# run 32-bit code, the same program for x86-64 as well, which the Windows
# tests then run (tools/test-env.sh). WIN_PRESET names that tree.
build_all() {
  wine_select "$top"
  WIN_PRESET=${WIN_TREE##*/}
  build_tree native
  build_tree win32
  if [ "$WIN_PRESET" != win32 ]; then
    echo "== this machine runs no 32-bit code: the Windows tests use the x86-64 build"
    build_tree "$WIN_PRESET"
  fi
}

# The core and trelmo-sim compiled to WebAssembly (build/web), and every
# scripted game of tests/sim/ replayed under node: the core's proof that it
# builds and runs the same off the desktop.
web_tests() {
  local start=$SECONDS
  build_tree web
  ctest --preset web -j "$jobs"
  echo "== web build and replay: $((SECONDS - start)) s"
  if [ -f "$native/CMakeCache.txt" ]; then
    differential_replay
  else
    echo "== differential replay: skipped, it needs build/native (./dev.sh build)"
  fi
  page_tests "$top/build/web"
}

# The same scripts through the native trelmo-sim and through trelmo-sim.js
# under node, every result compared byte for byte (tests/differential/).
differential_replay() {
  local start=$SECONDS
  cmake --build --preset native -j "$jobs" --target trelmo-sim >/dev/null
  node --test-reporter=dot "$top/tests/differential/harness.test.js"
  node "$top/tests/differential/run.js" "$native/tools/sim/trelmo-sim" \
    "$top/build/web/tools/sim/trelmo-sim.js" "$top/build/web/differential"
  echo "== differential replay: $((SECONDS - start)) s"
}

# The page itself, trelmo.html, in headless Chromium (tests/web/run.js);
# puppeteer-core comes from the npm registry at the locked version.
page_tests() {
  local tree=$1 start=$SECONDS
  if ! [ -d "$top/tests/web/node_modules/puppeteer-core" ]; then
    (cd "$top/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
  fi
  node "$top/tests/web/run.js" "$tree"
  echo "== page tests in Chromium: $((SECONDS - start)) s"
}

# The fuzz targets (tests/fuzz/): each replays its kept corpus, then fuzzes
# for TRELMO_FUZZ_SECONDS (default 30) and the totals are printed.
fuzz_briefly() {
  build_tree fuzz
  ctest --preset fuzz -j "$jobs"
  cmake --build --preset fuzz --target fuzz
}

# A machine without a display gets an X server of its own, out of sight.
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  trap xvfb_stop EXIT
  xvfb_start
  export DISPLAY=$XVFB_DISPLAY
  echo "No DISPLAY: started Xvfb on $DISPLAY; the game runs there, out of sight"
  echo "(attach a VNC server such as x11vnc to it, or run from a desktop session)."
}

# Starts trelmo.exe under Wine with the Chinese code page; on an X server of
# its own when there is no display, and in a Wine desktop when no window
# manager runs.
play() {
  ensure_display
  echo "== starting trelmo.exe"
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    wine_run "$WIN_TREE/trelmo.exe" || true
  else
    wine_run explorer /desktop=Trelmo,1024x768 "$WIN_TREE/trelmo.exe" || true
  fi
  wineserver_run -w || true
  xvfb_stop
}

# Builds the Linux program alone (no tests, so no test packages) and starts
# it; on an X server of its own when there is no display.
play_native() {
  local tree=$top/build/linux
  build_tree linux
  ensure_display
  echo "== starting $tree/gtk/trelmo"
  "$tree/gtk/trelmo" || true
  xvfb_stop
}

# Builds the page and its site (build/web/site/: the page with its
# manifest, worker and icons) and serves the site on this machine only, where
# a browser can install the page and start it offline; a browser at hand
# opens it. TRELMO_PORT picks the port (default 8000).
play_web() {
  local tree=$top/build/web port=${TRELMO_PORT:-8000}
  build_tree web --target trelmo_site
  local address=http://127.0.0.1:$port/
  echo "== serving the site $tree/site at $address (Ctrl-C stops)"
  echo "   (or open file://$tree/trelmo.html; the file alone is the whole game)"
  if [ -n "${DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
    (sleep 1; xdg-open "$address" >/dev/null 2>&1 || true) &
  fi
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$tree/site"
}

case "${1:-}" in
  test)
    bash tools/setup.sh
    build_all
    echo "== native tests"
    ctest --preset native -j "$jobs"
    echo "== scripted games under node (Emscripten)"
    TRELMO_DIFF_SEED=${TRELMO_DIFF_SEED:-1} web_tests
    echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    build_tree sanitize
    ctest --preset sanitize -j "$jobs"
    echo "== fuzzing"
    TRELMO_FUZZ_SEED=${TRELMO_FUZZ_SEED:-1} fuzz_briefly
    echo "== Windows tests under Wine"
    wine_prepare_prefix "$WINEPREFIX"
    # The window tests need an X display; they get one of their own.
    (
      xvfb_start
      status=0
      DISPLAY=$XVFB_DISPLAY LC_ALL=$WINE_LOCALE ctest --preset "$WIN_PRESET" || status=$?
      wineserver_run -k 2>/dev/null || true
      xvfb_stop
      exit "$status"
    )
    echo "== end-to-end tests of the Linux program"
    status=0
    bash tests/e2e/run.sh --native "$native/gtk/trelmo" "$native/tools/sim/trelmo-sim" | tee "$native/e2e-native.log" || status=1
    echo "== end-to-end tests of trelmo.exe"
    bash tests/e2e/run.sh "$WIN_TREE/trelmo.exe" "$native/tools/sim/trelmo-sim" | tee "$native/e2e-wine.log" || status=1
    # One count for both front ends.
    tail -n 1 -q "$native/e2e-native.log" "$native/e2e-wine.log" |
      awk '{ passed += $1; failed += $3 } END { print passed " passed, " failed " failed" }'
    exit "$status"
    ;;
  play)
    if [ "${2:-}" = native ]; then
      bash tools/setup.sh native
      play_native
      exit 0
    fi
    if [ "${2:-}" = web ]; then
      bash tools/setup.sh web
      play_web
    fi
    bash tools/setup.sh
    build_all
    wine_prepare_prefix "$WINEPREFIX"
    play
    ;;
  build)
    build_all
    ;;
  web)
    bash tools/setup.sh web
    web_tests
    ;;
  bless)
    # After a change that alters the scripted games' outputs on purpose;
    # review the diff before committing it.
    build_tree native --target bless
    git status --short tests/sim
    ;;
  fuzz)
    # A longer run: TRELMO_FUZZ_SECONDS=3600 ./dev.sh fuzz; then
    # `./dev.sh fuzz keep` folds what it found into the kept corpus.
    bash tools/setup.sh
    if [ "${2:-}" = keep ]; then
      build_tree fuzz --target fuzz_keep
      git status --short tests/fuzz/corpus | tail -n 3
    else
      fuzz_briefly
    fi
    ;;
  coverage)
    bash tools/setup.sh
    build_tree coverage --target coverage
    ;;
  *)
    echo "usage: $0 test|play [native|web]|build|web|bless|fuzz [keep]|coverage" >&2
    exit 2
    ;;
esac
