# A second launch is one more road back to the running game: hidden to its
# icon, or behind another window, the first copy comes back where it was,
# in front with the keys, its game as a restore leaves it; the second copy
# ends at once with code 0.
CASES+=" second_launch"

# second_launch_ends: runs a second copy; it must end with 0, at once.
second_launch_ends() {
  local started=$SECONDS code
  run_second_copy
  code=$?
  check "the second copy exits with code 0 (got $code)" test "$code" = 0
  check "and at once ($((SECONDS - started)) s)" test $((SECONDS - started)) -le 10
}

case_second_launch() {
  local running=$CASE_DIR/pause-running.png paused=$CASE_DIR/pause-paused.png place
  key F2
  save_running_pause_face "$running"
  place=$(window_geometry "$TRELMO_TITLE")
  key Escape
  check "Esc hides the window" wait_until 10 window_hidden
  sleep 0.5
  check "to its icon" soon_one_tray_icon

  second_launch_ends
  check "the hidden window comes back" wait_until 10 window_shown
  check "where it was ($place)" wait_until 5 test "$(window_geometry "$TRELMO_TITLE")" = "$place"
  check "its icon is gone" wait_until 10 no_tray_icon
  check "the game goes on, as after a restore" look_until 10 restored face_is $PAUSE "$running"
  check "and runs" well_moving 3
  key F3
  check "the keys reach it: F3 pauses" look_until 10 paused face_differs $PAUSE "$running"
  save_pause_face paused "$paused"
  key F3
  check "F3 resumes" look_until 10 resumed face_is $PAUSE "$running"

  launch_other winemine
  check "another window in front pauses the game" look_until 20 behind face_differs $PAUSE "$running"
  second_launch_ends
  check "a second launch brings the game to the front: it resumes" look_until 10 in-front face_is $PAUSE "$running"
  key F3
  check "with the keys" look_until 10 paused-again face_is $PAUSE "$paused"
}
