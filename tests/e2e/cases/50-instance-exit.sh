# A second copy ends at once and leaves a window already in front as it
# was; the close command asks first, and No keeps the game while Yes ends
# the program.
CASES+=" instance_exit"

# The exit box has no owner and opens at the desktop's centre; its icon is
# the red arrow entering a door.
exit_box_shown() {
  [ "$(convert "$(shot exit-box)" -crop 60x50+420+350 +repage \
    -fx '(r>0.75 && g<0.3 && b<0.3)?1:0' -format '%[fx:int(w*h*mean+.5)]' info:)" -gt 20 ]
}
exit_box_gone() { ! exit_box_shown; }

# No to the exit box by its mnemonic. The box shows a moment before it has
# the keyboard; should the key still land before it (seen under load), a
# click on its No button.
EXIT_BOX_NO="553 412"
say_no_to_exit_box() {
  sleep 1
  key n
  wait_until 3 exit_box_gone && return 0
  log "     the box stayed after N; clicking its No button"
  shot box-after-n >/dev/null
  click_screen $EXIT_BOX_NO 1
  wait_until 5 exit_box_gone
}
trelmo_ended() { ! trelmo_running; }

case_instance_exit() {
  local first started code
  look_until 10 first start_screen_shown
  first=$SHOT
  check "the first copy runs" trelmo_running

  started=$SECONDS
  run_second_copy
  code=$?
  check "a second copy exits with code 0 (got $code)" test "$code" = 0
  check "and at once ($((SECONDS - started)) s)" test $((SECONDS - started)) -le 10
  check "the first copy's screen is untouched" settled 0.5 screen_is "$first"

  key F2
  local running=$CASE_DIR/pause-running.png
  save_running_pause_face "$running"

  key alt+F4
  check "Alt+F4 asks before closing" wait_until 10 exit_box_shown
  check "the game pauses while the box is open" look_until 10 box-open face_differs $PAUSE "$running"
  check "No closes the box" say_no_to_exit_box
  check "and the program goes on" settled 0.5 trelmo_running
  click_screen 450 192 1
  check "the game resumes" look_until 10 after-no face_is $PAUSE "$running"

  key alt+F4
  check "the close command asks again" wait_until 10 exit_box_shown
  key y
  check "Yes ends the program" wait_until 10 trelmo_ended
}
