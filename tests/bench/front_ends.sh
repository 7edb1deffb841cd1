#!/usr/bin/env bash
# Side by side, in one run: the Linux program and trelmo.exe under Wine,
# each on its own Xvfb display with openbox, and trelmo.html in headless
# Chromium. Prints a Markdown table of the time from start to the visible
# main window, resident memory, and CPU time spent while idle before the
# first game and while paused; trelmo.exe is measured at 96 and at 192 dots
# per inch.
#
#   tests/bench/front_ends.sh [TRELMO [TRELMO_EXE]]   (after ./dev.sh build and ./dev.sh web)
set -u
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/tools/test-env.sh"
wine_select "$top"
NATIVE=$(realpath "${1:-$top/build/native/gtk/trelmo}")
EXE=$(realpath "${2:-$WIN_TREE/trelmo.exe}")
WORK=$top/build/front-ends
IDLE_SECONDS=10
rm -rf "$WORK"
mkdir -p "$WORK"

now_ms() { date +%s%3N; }
xdo() { DISPLAY=$XVFB_DISPLAY xdotool "$@"; }
visible() { xdo search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
wait_visible() {
  local i
  for i in $(seq 3000); do visible "$1" && return 0; sleep 0.01; done
  return 1
}
# CPU time of a process so far, in milliseconds (user and system).
cpu_ms() { awk -v tick="$(getconf CLK_TCK)" '{ print int(($14 + $15) * 1000 / tick) }' "/proc/$1/stat"; }
rss_mb() { awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
idle_cpu_ms() {
  local before
  before=$(cpu_ms "$1")
  sleep "$IDLE_SECONDS"
  echo $(($(cpu_ms "$1") - before))
}

# measure NAME PID-FINDER COMMAND...: one program from start to pause.
measure() {
  local name=$1 find=$2
  shift 2
  xvfb_start -r || { echo "no X server" >&2; return 1; }
  DISPLAY=$XVFB_DISPLAY openbox >/dev/null 2>&1 &
  local wm=$! started pid start_ms idle paused rss
  sleep 1
  # The first GTK 3 program on an X server picks its visuals through GLX,
  # which loads the GL driver (on Xvfb, Mesa's with LLVM: some 50 MB), and
  # leaves its choice on the root window for every later one. On a desktop
  # some GTK program has always run before; here a first run of the game
  # plays that part.
  if [ -n "${PRIME:-}" ]; then
    env DISPLAY="$XVFB_DISPLAY" XDG_RUNTIME_DIR="$WORK/prime" NO_AT_BRIDGE=1 "$NATIVE" >/dev/null 2>&1 &
    local primer=$!
    wait_visible "Trelmo"
    kill "$primer"
    wait "$primer" 2>/dev/null
  fi
  started=$(now_ms)
  env DISPLAY="$XVFB_DISPLAY" "$@" >"$WORK/$name.log" 2>&1 &
  wait_visible "Trelmo" || { echo "$name: no window" >&2; return 1; }
  start_ms=$(($(now_ms) - started))
  wait_visible "Trelmo信息"
  pid=$($find)
  sleep 1
  xdo key Return  # the information sheet's OK
  sleep 2
  idle=$(idle_cpu_ms "$pid")
  xdo search --onlyvisible --name '^Trelmo$' windowactivate --sync 2>/dev/null
  xdo key F2
  sleep 1
  xdo key F3
  sleep 1
  paused=$(idle_cpu_ms "$pid")
  rss=$(rss_mb "$pid")
  printf '| %s | %d ms | %s MB | %d ms | %d ms |\n' "$name" "$start_ms" "$rss" "$idle" "$paused"
  kill "$pid" 2>/dev/null
  kill "$wm" 2>/dev/null
  xvfb_stop
}

native_pid() { pgrep -n -f "^$NATIVE\$"; }
wine_pid() { pgrep -n -f 'trelmo\.exe'; }

echo "| program | start to visible window | resident memory | CPU in ${IDLE_SECONDS} s idle before the first game | CPU in ${IDLE_SECONDS} s paused |"
echo "|---|---|---|---|---|"
mkdir -p "$WORK/prime"
PRIME=1 measure "trelmo (GTK 3)" native_pid env HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" \
  XDG_RUNTIME_DIR="$WORK" NO_AT_BRIDGE=1 "$NATIVE"
measure "trelmo (GTK 3), first GTK program on the display" native_pid env HOME="$WORK/home" \
  XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK" NO_AT_BRIDGE=1 "$NATIVE"
wine_prepare_prefix "$WORK/prefix" >/dev/null
# The same prefix at 192 dots per inch, whose program runs on a screen of
# 2048 x 1536: the other's 1024 x 768 at that scale.
cp -a "$WORK/prefix" "$WORK/prefix-192"
wine_set_log_pixels "$WORK/prefix-192" 192
# Wine's own processes (wineserver, services) are started beforehand, as on
# a desktop where Wine has run before; the time is the program's.
measure_wine() {
  local name=$1 prefix=$2
  WINEPREFIX=$prefix "$WINE_LOADER" cmd /c exit >/dev/null 2>&1
  measure "$name" wine_pid env WINEPREFIX="$prefix" LC_ALL="$WINE_LOCALE" "$WINE_LOADER" "$EXE"
  WINEPREFIX=$prefix "$WINESERVER_CMD" -k >/dev/null 2>&1
  WINEPREFIX=$prefix "$WINESERVER_CMD" -w >/dev/null 2>&1
}
measure_wine "trelmo.exe under Wine" "$WORK/prefix"
XVFB_SCREEN=2048x1536x24 measure_wine "trelmo.exe under Wine at 192 DPI" "$WORK/prefix-192"
if [ -f "$top/build/web/trelmo.html" ] && [ -d "$top/tests/web/node_modules/puppeteer-core" ]; then
  node "$top/tests/web/bench.js" --row "$top/build/web"
else
  echo "(no page row: run ./dev.sh web first)" >&2
fi
