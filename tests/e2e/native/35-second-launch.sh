# A second launch on a desktop without a notification area: the copy that
# waits iconified on the taskbar comes back, in front with the keys. This
# launch comes from a menu that asked for launch feedback: the second copy
# hands its startup id over to the first.
NO_TRAY_CASES+=" second_launch_iconified"

case_second_launch_iconified() {
  local running=$CASE_DIR/pause-running.png started code
  key F2
  save_running_pause_face "$running"
  key Escape
  check "Esc iconifies the window" wait_until 10 window_iconic

  started=$SECONDS
  DESKTOP_STARTUP_ID="menu-launch-$$" run_second_copy
  code=$?
  check "the second copy exits with code 0 (got $code)" test "$code" = 0
  check "and at once ($((SECONDS - started)) s)" test $((SECONDS - started)) -le 10
  check "the iconified window comes back" wait_until 10 window_back
  check "the game goes on, as after a restore" look_until 10 restored face_is $PAUSE "$running"
  key F3
  check "the keys reach it: F3 pauses" look_until 10 paused face_differs $PAUSE "$running"
  check "the whole client area is shown" look_until 10 back client_painted
}
