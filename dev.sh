#!/usr/bin/env bash
# The project's one entry point.
#   ./dev.sh test   install what is missing, build, run every test
#   ./dev.sh play   install what is missing, build, start the game under Wine
#   ./dev.sh play native   the same for the Linux program (GTK 3)
#   ./dev.sh play web      build trelmo.html and serve it on 127.0.0.1
#   ./dev.sh build  build the trees only
#   ./dev.sh web    build the core, trelmo-sim and trelmo.html with
#                   Emscripten, replay the scripted games under node and
#                   test the page in headless Chromium
#   ./dev.sh bless  write the scripted games' outputs as their expected ones
#   ./dev.sh fuzz   replay the kept fuzz corpus, then fuzz each target for
#                   TRELMO_FUZZ_SECONDS (default 30); `fuzz keep` folds the
#                   inputs found into the kept corpus
#   ./dev.sh coverage  line and branch coverage of store/ and game/ by the
#                   kept corpus
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
jobs=$(nproc 2>/dev/null || echo 2)

native=$top/build/native
. "$top/tools/test-env.sh"
export WINEPREFIX=${TRELMO_WINEPREFIX:-$top/build/wineprefix}

build_native() {
  cmake -S "$top" -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$native" -j "$jobs"
}

# A Windows tree builds its own native asset generator on the way.
build_windows() {
  local tree=$1 toolchain=$2
  cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
  cmake --build "$tree" -j "$jobs"
}

# The product, trelmo.exe for 32-bit Windows, and, on a machine that cannot
# run 32-bit code, the same program for x86-64 as well, which the Windows
# tests then run (tools/test-env.sh).
build_all() {
  wine_select "$top"
  build_native
  build_windows "$top/build/win32" "$top/cmake/mingw-i686.cmake"
  if [ "$WIN_TREE" != "$top/build/win32" ]; then
    echo "== this machine runs no 32-bit code: the Windows tests use the x86-64 build"
    build_windows "$WIN_TREE" "$WIN_TOOLCHAIN"
  fi
}

# web_tree TREE [BUILD-ARGS...]: the Emscripten tree, always with the page.
web_tree() {
  local tree=$1
  shift
  emcmake cmake -S "$top" -B "$tree" -DTRELMO_FRONT_END=web >/dev/null
  cmake --build "$tree" -j "$jobs" "$@"
}

# The core and trelmo-sim compiled to WebAssembly (build/web), and every
# scripted game of tests/sim/ replayed under node: the core's proof that it
# builds and runs the same off the desktop.
web_tests() {
  local tree=$top/build/web start=$SECONDS
  web_tree "$tree"
  (cd "$tree" && ctest --output-on-failure -j "$jobs")
  echo "== web build and replay: $((SECONDS - start)) s"
  page_tests "$tree"
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

# The native tests again under AddressSanitizer and UBSan, then each fuzz
# target for a fixed time from its seed corpus.
sanitized_tests() {
  local tree=$top/build/sanitize
  cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=Debug -DTRELMO_SANITIZE=ON >/dev/null
  cmake --build "$tree" -j "$jobs"
  (cd "$tree" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     ctest --output-on-failure -j "$jobs")
}

# The fuzz targets (tests/fuzz/), built with clang, ASan and UBSan. Each
# first replays its kept corpus (tests/fuzz/corpus/TARGET) as a regression
# suite, then fuzzes for TRELMO_FUZZ_SECONDS (default 30) from that corpus
# and the scripted games, and the totals are printed at the end. Allocation
# stacks are left out of ASan's reports and its quarantine kept small, for
# speed: `build/fuzz/tests/fuzz/TARGET FILE` replays a failing input with
# the full report.
FUZZ_TARGETS="settings_fuzz sim_fuzz"
fuzz_tree() {
  local tree=$1
  shift
  CXX=clang++ cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELMO_FUZZ=ON "$@" >/dev/null
  cmake --build "$tree" -j "$jobs"
}

fuzz_briefly() {
  # seed 0: libFuzzer picks one; the test command fixes it so a run repeats.
  local tree=$top/build/fuzz seconds=${TRELMO_FUZZ_SECONDS:-30} seed=${TRELMO_FUZZ_SEED:-0}
  fuzz_tree "$tree"
  export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=16} UBSAN_OPTIONS=print_stacktrace=1
  local target corpus kept runs rate totals=""
  for target in $FUZZ_TARGETS; do
    kept=$top/tests/fuzz/corpus/$target
    echo "== $target: the kept corpus, $(ls "$kept" | wc -l) inputs"
    if ! "$tree/tests/fuzz/$target" -runs=0 -max_len=4096 -timeout=10 "$kept" >"$tree/$target-kept.log" 2>&1; then
      fuzz_failed "$tree" "$target" "$target-kept.log"
      return 1
    fi
    corpus=$tree/corpus/$target
    mkdir -p "$corpus"
    cp -r "$kept"/. "$corpus"/
    case $target in
      sim_fuzz) cp "$top"/tests/sim/*.sim "$corpus"/ ;;
      settings_fuzz) cp "$top"/tests/sim/*.ini "$corpus"/ ;;
    esac
    echo "== $target for ${seconds}s"
    if ! "$tree/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -seed="$seed" \
        -artifact_prefix="$tree/" -print_final_stats=1 "$corpus" >"$tree/$target.log" 2>&1; then
      fuzz_failed "$tree" "$target" "$target.log"
      return 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$tree/$target.log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$tree/$target.log")
    totals+="$target: $runs inputs in ${seconds} s, $rate a second"$'\n'
  done
  echo "== fuzzing totals"
  printf '%s' "$totals"
  # settings_fuzz makes two round trips of an input: into a new file and
  # over the input itself.
  awk '/^settings_fuzz/ { printf "settings round trips: %d, %d a second\n", 2 * $2, 2 * $7 }' <<<"$totals"
}

fuzz_failed() {
  local tree=$1 target=$2 log=$3
  grep -E 'ERROR|SUMMARY|sim_fuzz:|settings_fuzz:' "$tree/$log" | head -n 20 >&2
  echo "$target found a fault; the input is in $tree/crash-* or the kept corpus (log: $tree/$log)" >&2
}

# Folds what the last fuzz run found into the kept corpus: libFuzzer's merge
# keeps the fewest inputs that reach every branch the old corpus and the new
# inputs reach (branches, not how often each runs: a few hundred inputs).
fuzz_keep() {
  local tree=$top/build/fuzz target kept merged
  for target in $FUZZ_TARGETS; do
    kept=$top/tests/fuzz/corpus/$target
    merged=$tree/merged/$target
    rm -rf "$merged"
    mkdir -p "$merged"
    "$tree/tests/fuzz/$target" -merge=1 -use_counters=0 -max_len=4096 -timeout=10 "$merged" "$kept" "$tree/corpus/$target" \
      >"$tree/$target-merge.log" 2>&1
    rm -rf "$kept"
    cp -r "$merged" "$kept"
    echo "== $target: $(ls "$kept" | wc -l) inputs kept"
  done
  git -C "$top" status --short tests/fuzz/corpus | tail -n 3
}

# Line and branch coverage of store/ and game/ reached by the kept corpus,
# from clang's source-based coverage; every line with its count is in
# build/coverage/coverage.txt.
coverage() {
  local tree=$top/build/coverage target objects=()
  fuzz_tree "$tree" -DTRELMO_COVERAGE=ON
  rm -f "$tree"/*.profraw
  for target in $FUZZ_TARGETS; do
    # Each input run once, by name: the targets carry no fuzzing instrumentation here.
    find "$top/tests/fuzz/corpus/$target" -type f -print0 |
      LLVM_PROFILE_FILE="$tree/$target-%p.profraw" xargs -0 "$tree/tests/fuzz/$target" >"$tree/$target.log" 2>&1
    objects+=(-object "$tree/tests/fuzz/$target")
  done
  llvm-profdata merge -sparse "$tree"/*.profraw -o "$tree/corpus.profdata"
  local sources=("$top"/store/*.cpp "$top"/game/*.cpp)
  llvm-cov report "${objects[@]:1}" -instr-profile="$tree/corpus.profdata" -show-functions=false \
    "${sources[@]}" | sed "s|$top/||"
  llvm-cov show "${objects[@]:1}" -instr-profile="$tree/corpus.profdata" -show-line-counts-or-regions \
    -show-branches=count "${sources[@]}" >"$tree/coverage.txt"
  echo "(the lines with their counts: $tree/coverage.txt)"
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
  cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DTRELMO_TESTS=OFF >/dev/null
  cmake --build "$tree" -j "$jobs" --target trelmo
  ensure_display
  echo "== starting $tree/gtk/trelmo"
  "$tree/gtk/trelmo" || true
  xvfb_stop
}

# Builds the page alone and serves it on this machine only; a browser at
# hand opens it. TRELMO_PORT picks the port (default 8000).
play_web() {
  local tree=$top/build/web port=${TRELMO_PORT:-8000}
  web_tree "$tree" --target trelmo
  local address=http://127.0.0.1:$port/trelmo.html
  echo "== serving $tree/trelmo.html at $address (Ctrl-C stops)"
  echo "   (or open file://$tree/trelmo.html; the file alone is the whole game)"
  if [ -n "${DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
    (sleep 1; xdg-open "$address" >/dev/null 2>&1 || true) &
  fi
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$tree"
}

# Writes each scripted game's output as its expected output, after a change
# that alters the output on purpose; review the diff before committing it.
bless() {
  build_native
  local script
  for script in "$top"/tests/sim/*.sim; do
    cmake -DSIM="$native/tools/sim/trelmo-sim" -DSCRIPT="$script" -DEXPECTED="${script%.sim}.out" \
      -DWORK_DIR="$native/bless" -DBLESS=ON -P "$top/tests/sim/compare.cmake"
  done
  git -C "$top" status --short tests/sim
}

case "${1:-}" in
  test)
    bash tools/setup.sh
    build_all
    echo "== native tests"
    (cd "$native" && ctest --output-on-failure -j "$jobs")
    echo "== scripted games under node (Emscripten)"
    web_tests
    echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    sanitized_tests
    echo "== fuzzing"
    TRELMO_FUZZ_SEED=${TRELMO_FUZZ_SEED:-1} fuzz_briefly
    echo "== Windows tests under Wine"
    wine_prepare_prefix "$WINEPREFIX"
    # The window tests need an X display; they get one of their own.
    (
      xvfb_start
      status=0
      (cd "$WIN_TREE" && DISPLAY=$XVFB_DISPLAY LC_ALL=$WINE_LOCALE ctest --output-on-failure) || status=$?
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
    bless
    ;;
  fuzz)
    # A longer run: TRELMO_FUZZ_SECONDS=3600 ./dev.sh fuzz; then
    # `./dev.sh fuzz keep` folds what it found into the kept corpus.
    bash tools/setup.sh
    if [ "${2:-}" = keep ]; then
      fuzz_keep
    else
      fuzz_briefly
    fi
    ;;
  coverage)
    bash tools/setup.sh
    coverage
    ;;
  *)
    echo "usage: $0 test|play [native|web]|build|web|bless|fuzz [keep]|coverage" >&2
    exit 2
    ;;
esac
