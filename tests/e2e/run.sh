#!/usr/bin/env bash
# End-to-end tests of trelmo.exe: each case runs the real program under Wine
# in a virtual desktop on its own Xvfb display, in a fresh copy of one Wine
# prefix prepared for this run, drives it with xdotool and reads it back
# from screenshots, comparing with trelmo-sim's pictures of the same state.
#
#   run.sh [TRELMO_EXE [TRELMO_SIM]]   (trelmo-probe.exe beside the exe)
#   E2E_ONLY=name   run one case;  E2E_KEEP=1  keep the prefixes and shots
set -u
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
. "$top/tools/test-env.sh"
wine_select "$top"
EXE=$(realpath "${1:-$WIN_TREE/trelmo.exe}")
SIM=$(realpath "${2:-$top/build/native/tools/sim/trelmo-sim}")
PROBE_EXE=$(dirname "$EXE")/trelmo-probe.exe
WORK=${E2E_WORK:-$top/build/e2e}
BASE_PREFIX=$WORK/base-prefix

for tool in "$WINE_LOADER" "$WINESERVER_CMD" Xvfb xdotool xdpyinfo xwininfo import convert compare; do
  command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 2; }
done
for file in "$EXE" "$SIM" "$PROBE_EXE"; do
  [ -x "$file" ] || { echo "e2e: $file is not built" >&2; exit 2; }
done

. "$here/lib.sh"
CASES=""
for f in "$here"/cases/*.sh; do . "$f"; done

# wineboot once per run; every case copies the result.
prepare_base_prefix() {
  rm -rf "$WORK"
  mkdir -p "$WORK"
  echo "== e2e: preparing a Wine prefix"
  wine_prepare_prefix "$BASE_PREFIX"
}

passed=0
failed=0
run_case() {
  local name=$1
  if [ -n "${E2E_ONLY:-}" ] && [ "$E2E_ONLY" != "$name" ]; then return; fi
  echo "-- $name"
  local started=$SECONDS
  (
    trap stop_case EXIT
    if start_case "$name"; then
      "case_$name"
    else
      log "FAIL the window did not appear"
      CASE_FAILED=1
    fi
    exit "$CASE_FAILED"
  )
  if [ $? -eq 0 ]; then
    passed=$((passed + 1))
    echo "   passed ($((SECONDS - started)) s)"
  else
    failed=$((failed + 1))
    echo "   FAILED ($((SECONDS - started)) s); screenshots in $WORK/$name"
  fi
}

if ! prepare_base_prefix; then
  echo "e2e: wineboot could not prepare $BASE_PREFIX" >&2
  echo "0 passed, 1 failed"
  exit 1
fi

for name in $CASES; do run_case "$name"; done

[ -n "${E2E_KEEP:-}" ] || rm -rf "$BASE_PREFIX"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
