#!/usr/bin/env bash
# End-to-end tests: each case runs the real program on its own Xvfb
# display, drives it with xdotool and reads it back from screenshots,
# comparing with trelmo-sim's pictures of the same state.
#
#   run.sh [TRELMO_EXE [TRELMO_SIM]]       trelmo.exe under Wine, in a virtual
#                                          desktop and a fresh copy of one
#                                          prefix (trelmo-probe.exe beside it)
#   run.sh --native TRELMO [TRELMO_SIM]    the Linux program, under openbox
#                                          with trayer as notification area
#                                          (trelmo-xprobe from the same tree)
#   E2E_ONLY=name   run one case;  E2E_KEEP=1  keep the prefixes and shots
# A case listed in WINDOWLESS_CASES starts no display or program of its
# own: it runs the program itself.
set -u
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
. "$top/tools/test-env.sh"

FRONT=wine
if [ "${1:-}" = --native ]; then
  FRONT=gtk
  shift
  EXE=$(realpath "${1:-$top/build/native/gtk/trelmo}")
  XPROBE=$(dirname "$EXE")/../tests/e2e/xprobe/trelmo-xprobe
  WORK=${E2E_WORK:-$top/build/e2e-native}
  tools=(openbox trayer)
  files=("$EXE" "$XPROBE")
else
  wine_select "$top"
  EXE=$(realpath "${1:-$WIN_TREE/trelmo.exe}")
  PROBE_EXE=$(dirname "$EXE")/trelmo-probe.exe
  WORK=${E2E_WORK:-$top/build/e2e}
  BASE_PREFIX=$WORK/base-prefix
  tools=("$WINE_LOADER" "$WINESERVER_CMD")
  files=("$EXE" "$PROBE_EXE")
fi
SIM=$(realpath "${2:-$top/build/native/tools/sim/trelmo-sim}")

for tool in "${tools[@]}" Xvfb xdotool xdpyinfo xwininfo import convert compare; do
  command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 2; }
done
for file in "${files[@]}" "$SIM"; do
  [ -x "$file" ] || { echo "e2e: $file is not built" >&2; exit 2; }
done

# The shared helpers, the front end's, then the cases: those in cases/ run
# on both front ends unless the front end lists its own (FRONT_CASES);
# native/ holds the Linux program's own.
. "$here/lib.sh"
. "$here/front_$FRONT.sh"
CASES=""
for f in "$here"/cases/*.sh; do . "$f"; done
if [ "$FRONT" = gtk ]; then
  for f in "$here"/native/*.sh; do . "$f"; done
  CASES=$FRONT_CASES
fi
if declare -F front_adapt_cases >/dev/null; then front_adapt_cases; fi

# wineboot once per run; every case copies the result.
prepare_base_prefix() {
  rm -rf "$WORK"
  mkdir -p "$WORK"
  [ "$FRONT" = wine ] || return 0
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
    if [[ " ${WINDOWLESS_CASES:-} " == *" $name "* ]]; then
      CASE_NAME=$name CASE_DIR=$WORK/$name CASE_FAILED=0
      mkdir -p "$CASE_DIR"
      "case_$name"
    elif start_case "$name"; then
      "case_$name"
      if declare -F front_finish_case >/dev/null; then front_finish_case; fi
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

[ -n "${E2E_KEEP:-}" ] || [ -z "${BASE_PREFIX:-}" ] || rm -rf "$BASE_PREFIX"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
