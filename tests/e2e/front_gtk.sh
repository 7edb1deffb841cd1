# The end-to-end cases' front end for the Linux program: on each case's
# display a window manager (openbox) and a notification area (trayer, at
# the bottom right), and the program with configuration and runtime
# folders of its own. Sourced by run.sh after lib.sh.

declare -A CASE_LOCALES
# The shared cases that hold for the Linux program, then its own.
FRONT_CASES="native_startup play counters activation options scores instance_exit second_launch tray no_tray
  second_launch_iconified command_line scale_2 scale_3 large_text"

# The notification area: 100 x 24 pixels in the bottom-right corner.
TRAYER_ARGS=(--edge bottom --align right --widthtype pixel --width 100 --heighttype pixel --height 24
  --SetDockType true --transparent false --tint 0xd0d0d0)

# CASE_ENVS: what a case adds to the program's environment, as
# NAME=VALUE words (a desktop scale, a text scale).
declare -A CASE_ENVS
case_env() {
  env DISPLAY=":$CASE_DISPLAY" LC_ALL="$CASE_LOCALE" HOME="$CASE_DIR/home" XDG_CONFIG_HOME="$CASE_DIR/config" \
    XDG_RUNTIME_DIR="$CASE_DIR/run" NO_AT_BRIDGE=1 ${CASE_ENVS[$CASE_NAME]:-} "$@"
}

front_prepare_case() {
  mkdir -p "$CASE_DIR/home" "$CASE_DIR/run"
  chmod 700 "$CASE_DIR/run"
  case_env openbox >>"$CASE_DIR/desktop.log" 2>&1 &
  CASE_WM=$!
  wait_until 10 window_manager_runs || return 1
  # A case may ask for a desktop without a notification area.
  case " ${NO_TRAY_CASES:-} " in *" $CASE_NAME "*) return 0 ;; esac
  case_env trayer "${TRAYER_ARGS[@]}" >>"$CASE_DIR/desktop.log" 2>&1 &
  CASE_TRAY=$!
  wait_until 10 notification_area_runs
}
window_manager_runs() { xprop -display ":$CASE_DISPLAY" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
notification_area_runs() { xdo search --class trayer >/dev/null 2>&1; }

# The program's stderr is kept apart: in normal play nothing comes there.
launch_trelmo() {
  case_env "$EXE" >>"$CASE_DIR/trelmo.log" 2>>"$CASE_DIR/trelmo.err" &
  CASE_PID=$!
}
front_finish_case() { check "nothing on the program's stderr" program_stderr_empty; }
program_stderr_empty() {
  [ ! -s "$CASE_DIR/trelmo.err" ] && return 0
  log "     stderr: $(head -c 400 "$CASE_DIR/trelmo.err")"
  return 1
}

# The window manager decides the frame; the client area's corner is read
# from the window itself once it is mapped.
front_window_found() {
  wait_until 10 main_window_mapped || return 1
  CLIENT_X=${MAIN_GEOMETRY[0]} CLIENT_Y=${MAIN_GEOMETRY[1]}
  MINIMISE_BOX="$((CLIENT_X + 437)) $((CLIENT_Y - 11))"  # openbox's button
}
main_window_mapped() { MAIN_GEOMETRY=($(window_geometry "$TRELMO_TITLE")); }
TRELMO_TITLE="Trelmo"

run_second_copy() { case_env timeout 30 "$EXE" >>"$CASE_DIR/trelmo.log" 2>>"$CASE_DIR/trelmo.err"; }

stop_case() {
  local pid
  for pid in ${CASE_PID:-} ${CASE_TRAY:-} ${CASE_WM:-}; do kill "$pid" 2>/dev/null; done
  for pid in ${CASE_PID:-} ${CASE_TRAY:-} ${CASE_WM:-}; do wait "$pid" 2>/dev/null; done
  xvfb_stop
}

# launch_other PROGRAM: another program's window at the desktop's top-left
# corner (the Wine program named is not needed: any window takes the focus).
launch_other() {
  case_env xmessage -geometry 300x100+0+0 "another window" >>"$CASE_DIR/desktop.log" 2>&1 &
}

trelmo_running() { [ -n "${CASE_PID:-}" ] && kill -0 "$CASE_PID" 2>/dev/null; }

ini_file() { echo "$CASE_DIR/config/trelmo/trelmo.ini"; }

# What the shared cases know of Wine's desktop, for this one: where the
# icon, its menu, the exit box and the menus' items are.
front_adapt_cases() {
  TRAY_ZONE="90x16+930+750" TRAY_ZONE_X=930 TRAY_ICON_Y=756 TRAY_ICON_WIDTH=24
  TRAY_RESTORE_DX=-50 TRAY_RESTORE_DY=-43
  TRAY_EXIT_DX=-50 TRAY_EXIT_DY=-17
  MENU_TEXT_LEFT=30 MENU_TEXT_TOP=12 MENU_ITEM_STEP=25
  exit_box_shown() { visible_window_named "退出"; }
  say_no_to_exit_box() {
    sleep 0.5
    key n
    wait_until 5 exit_box_gone
  }
}
