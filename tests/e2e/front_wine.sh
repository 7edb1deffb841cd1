# The end-to-end cases' front end for trelmo.exe: one copy of the prepared
# Wine prefix and one Wine virtual desktop per case. Sourced by run.sh after
# lib.sh and the cases.

# The window's outer corner on the 1024 x 768 desktop and its client origin
# (a 3-pixel frame and a 19-pixel caption under Wine's default metrics).
WINDOW_X=270 WINDOW_Y=182 WINDOW_W=485 WINDOW_H=365
CLIENT_X=273 CLIENT_Y=204

# COMMAND with the case's prefix, display and locale (Wine's other variables
# come from tools/test-env.sh). A case runs under the Chinese locale unless
# CASE_LOCALES names another for it.
declare -A CASE_LOCALES
wine_env() { env WINEPREFIX="$CASE_PREFIX" LC_ALL="$CASE_LOCALE" DISPLAY=":$CASE_DISPLAY" "$@"; }

# trelmo-probe in the case's desktop (tests/e2e/probe/probe.cpp).
probe() { wine_env TRELMO_DESKTOP="$CASE_NAME" "$WINE_LOADER" "$PROBE_EXE" "$@" 2>/dev/null | tr -d '\r'; }

front_prepare_case() {
  CASE_PREFIX=$CASE_DIR/prefix
  cp -a "$BASE_PREFIX" "$CASE_PREFIX"
}

# The Wine desktop fills the case's screen (CASE_SCREENS, or 1024 x 768).
case_desktop() { local screen=${CASE_SCREENS[$CASE_NAME]:-1024x768x24}; echo "/desktop=$CASE_NAME,${screen%x*}"; }

launch_trelmo() {
  wine_env "$WINE_LOADER" explorer "$(case_desktop)" "$EXE" >>"$CASE_DIR/wine.log" 2>&1 &
}

# The window's place is Wine's, fixed on its 1024 x 768 desktop.
front_window_found() { true; }

# A second copy, run to its end in the game's desktop; its exit code.
run_second_copy() {
  local exe
  exe=$(wine_env "$WINE_LOADER" winepath -w "$EXE" 2>/dev/null | tr -d '\r')
  wine_env TRELMO_DESKTOP="$CASE_NAME" timeout 30 "$WINE_LOADER" "$PROBE_EXE" run "$exe" >>"$CASE_DIR/wine.log" 2>&1
}

# Everything the case started: its Wine processes (through its own
# wineserver) and its X server.
stop_case() {
  wine_env "$WINESERVER_CMD" -k >/dev/null 2>&1
  wine_env "$WINESERVER_CMD" -w >/dev/null 2>&1
  xvfb_stop
  [ -n "${E2E_KEEP:-}" ] || rm -rf "$CASE_PREFIX"
}

# launch_other PROGRAM: another Wine program in the case's desktop.
launch_other() {
  wine_env "$WINE_LOADER" explorer "$(case_desktop)" "$1" >>"$CASE_DIR/wine.log" 2>&1 &
}

# dialog_rects TITLE: the window's client area on the screen, "client L T R B",
# then its visible controls, "CLASS|TEXT|L T R B" a line (trelmo-probe
# rects, in the screen's pixels at any DPI).
dialog_rects() { probe rects "$1"; }
# read_client_area: CLIENT_X and CLIENT_Y, and the client area's size as
# CLIENT_AREA ("W H"), read from the main window itself, for a case whose
# frame differs from the one at 96 DPI.
read_client_area() {
  local r
  r=($(dialog_rects Trelmo | sed -n 's/^client //p'))
  [ "${#r[@]}" = 4 ] || return 1
  CLIENT_X=${r[0]} CLIENT_Y=${r[1]} CLIENT_AREA="$((r[2] - r[0])) $((r[3] - r[1]))"
  echo "client area $CLIENT_AREA at $CLIENT_X $CLIENT_Y" >"$CASE_DIR/client-area.txt"
}

# Whether trelmo.exe runs in this case's prefix: a process whose program is
# the exe and whose environment names this prefix.
trelmo_running() {
  local pid
  for pid in $(pgrep -f '^[^ ]*trelmo\.exe'); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$CASE_PREFIX" && return 0
  done
  return 1
}

# The settings file in the case's prefix.
ini_file() { echo "$CASE_PREFIX/drive_c/windows/trelmo.ini"; }
