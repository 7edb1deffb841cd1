# Activation: another window taking it pauses a running game, giving it
# back resumes, and a pause the player took survives both.
CASES+=" activation"

# WineMine opens at the desktop's top-left corner, clear of the game.
MINE_CAPTION="60 10"
TRELMO_CAPTION="450 192"

case_activation() {
  local running=$CASE_DIR/pause-running.png paused=$CASE_DIR/pause-paused.png
  key F2
  save_running_pause_face "$running"

  launch_other winemine
  check "another window taking activation pauses the game" look_until 20 auto-paused face_differs $PAUSE "$running"
  save_pause_face auto-paused "$paused"
  check "the game stands still meanwhile" well_frozen 2.5

  click_screen $TRELMO_CAPTION 1
  check "taking activation back resumes the game" look_until 10 resumed face_is $PAUSE "$running"
  check "the game runs again" well_moving 3

  key F3
  check "F3 pauses" look_until 10 paused face_is $PAUSE "$paused"
  click_screen $MINE_CAPTION 1
  sleep 0.5
  click_screen $TRELMO_CAPTION 1
  check "after activation went away and came back the player's pause holds" \
    settled 0.5 look_until 10 still-paused face_is $PAUSE "$paused"
  check "and the game stands still" well_frozen 2.5
  key F3
  check "F3 resumes" look_until 10 resumed face_is $PAUSE "$running"
}
