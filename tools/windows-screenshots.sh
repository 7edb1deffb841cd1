#!/usr/bin/env bash
# The README's pictures of trelmo.exe: the main window, frame included, at
# its start screen under Wine at 96 and at 192 dots per inch, each on a
# screen of 1024 x 768 at that scale, written to docs/screenshots/ as
# windows-96dpi.png and windows-192dpi.png.
#
#   tools/windows-screenshots.sh [TRELMO_EXE]     (after ./dev.sh build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/test-env.sh"
wine_select "$top"
EXE=$(realpath "${1:-$WIN_TREE/trelmo.exe}")
WORK=$top/build/screenshots
OUT=$top/docs/screenshots
rm -rf "$WORK"
mkdir -p "$WORK" "$OUT"
wine_prepare_prefix "$WORK/base"

xdo() { DISPLAY=$XVFB_DISPLAY xdotool "$@"; }
# The ids of the visible windows of exactly that title.
named() { xdo search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
# wait_for SECONDS COMMAND...: polls until COMMAND holds.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
sheet_open() { [ -n "$(named 'Trelmo信息')" ]; }
sheet_closed() { [ -z "$(named 'Trelmo信息')" ]; }
# The window's picture, cut from the screen where X has it.
window_shot() {
  local id geometry
  id=$(named Trelmo | head -1)
  [ -n "$id" ] || return 1
  geometry=$(DISPLAY=$XVFB_DISPLAY xwininfo -id "$id" |
    awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2} /Width/{w=$2} /Height/{h=$2}
             END{printf "%dx%d+%d+%d", w, h, x, y}')
  import -display "$XVFB_DISPLAY" -window root -crop "$geometry" +repage "$1"
}
# The window has painted once two looks half a second apart are the same.
settled() {
  local next=${1%.png}-next.png
  window_shot "$next" || return 1
  if [ -e "$1" ] && [ "$(compare -metric AE "$1" "$next" null: 2>&1)" = 0 ]; then return 0; fi
  mv "$next" "$1"
  sleep 0.5
  return 1
}

for dpi in 96 192; do
  prefix=$WORK/prefix-$dpi
  cp -a "$WORK/base" "$prefix"
  wine_set_log_pixels "$prefix" "$dpi"
  width=$((1024 * dpi / 96)) height=$((768 * dpi / 96))
  XVFB_SCREEN=${width}x${height}x24 xvfb_start -r
  WINEPREFIX=$prefix DISPLAY=$XVFB_DISPLAY LC_ALL=$WINE_LOCALE \
    "$WINE_LOADER" explorer "/desktop=shots,${width}x$height" "$EXE" >"$WORK/wine-$dpi.log" 2>&1 &
  status=0
  if wait_for 60 sheet_open; then
    sleep 1
    xdo key Return  # the information sheet's OK
    wait_for 10 sheet_closed && wait_for 20 settled "$WORK/window-$dpi.png" || status=1
  else
    status=1
  fi
  WINEPREFIX=$prefix "$WINESERVER_CMD" -k >/dev/null 2>&1 || true
  WINEPREFIX=$prefix "$WINESERVER_CMD" -w >/dev/null 2>&1 || true
  xvfb_stop
  [ "$status" = 0 ] || { echo "no window at $dpi DPI (see $WORK/wine-$dpi.log)" >&2; exit 1; }
  # Without the time and software stamps, so that the same pictures make
  # the same files.
  convert "$WORK/window-$dpi.png" -strip "$OUT/windows-${dpi}dpi.png"
  echo "$OUT/windows-${dpi}dpi.png: $(identify -format '%w x %h' "$OUT/windows-${dpi}dpi.png")"
done
