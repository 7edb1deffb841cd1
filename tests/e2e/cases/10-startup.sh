# Start-up: the information sheet on its About page, holding the game
# until it closes; where the window lands, what it shows, which buttons
# are live.
CASES+=" startup"

# While the sheet is open the main window takes no input: a click on the
# part of the start button that the sheet leaves uncovered starts nothing
# (the pause button is still disabled once the sheet has closed).
startup_while_sheet() {
  check "start-up opens \"$SHEET_TITLE\" on its About page" look_until 10 sheet sheet_shows_about
  click_screen 725 486 1
  check "the sheet is still open after a click on the main window" settled 0.5 window_named "$SHEET_TITLE"
}

desktop_at() { [ "$(pixel "$1" "$2" "$3")" = "$DESKTOP" ]; }
window_at() { [ "$(pixel "$1" "$2" "$3")" != "$DESKTOP" ]; }

case_startup() {
  check_start_screen
  local s=$SHOT
  DESKTOP=$(pixel "$s" 5 760)
  # The outer corners: (270, 182) and, 485 x 365 later, (754, 546).
  check "window's top-left corner at (270, 182)" window_at "$s" 270 182
  check "nothing of it left of x 270 or above y 182" desktop_at "$s" 269 182
  check "nothing of it above y 182" desktop_at "$s" 270 181
  check "bottom-right corner at (754, 546)" window_at "$s" 754 546
  check "nothing of it right of x 754" desktop_at "$s" 755 546
  check "nothing of it below y 546" desktop_at "$s" 754 547
  check "the labels' and buttons' texts take their extents" texts_at_scale "$s"
}
