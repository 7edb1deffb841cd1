# Activation: another window taking it pauses a running game, giving it
# back resumes, and a pause the player took survives both.
CASES+=" activation"

# WineMine opens at the desktop's top-left corner, clear of the game.
MINE_CAPTION="60 10"
TRELMO_CAPTION="450 192"

pause_face_is() { face_is "$(shot label)" $PAUSE "$1"; }
pause_face_differs() { face_differs "$(shot label)" $PAUSE "$1"; }

case_activation() {
  local running=$CASE_DIR/pause-running.png paused=$CASE_DIR/pause-paused.png
  key F2
  sleep 0.5
  button_face "$(shot new-game)" $PAUSE "$running"

  launch_other winemine
  check "another window taking activation pauses the game" wait_until 20 pause_face_differs "$running"
  button_face "$(shot auto-paused)" $PAUSE "$paused"
  check "the game stands still meanwhile" well_frozen 2.5

  click_screen $TRELMO_CAPTION 1
  check "taking activation back resumes the game" wait_until 5 pause_face_is "$running"
  check "the game runs again" well_moving 3

  key F3
  sleep 0.3
  check "F3 pauses" pause_face_is "$paused"
  click_screen $MINE_CAPTION 1
  sleep 0.5
  click_screen $TRELMO_CAPTION 1
  sleep 0.5
  check "after activation went away and came back the player's pause holds" pause_face_is "$paused"
  check "and the game stands still" well_frozen 2.5
  key F3
  check "F3 resumes" wait_until 3 pause_face_is "$running"
}
