# The difficulty counters through characters and the +/- buttons, the
# buttons' enabled states, focus going back to the window after a click,
# and F3 alternating the pause button's label.
CASES+=" counters"

# Client centres of the four small buttons.
SPEED_UP_AT="432 151" SPEED_DOWN_AT="452 151" ROWS_UP_AT="432 206" ROWS_DOWN_AT="452 206"
SPEED_BOX=${COUNTERS[speed]} ROWS_BOX=${COUNTERS[startrows]}

click_button() { click_client $1 $2 1; }

case_counters() {
  local script="" initial_pause
  initial_pause=$CASE_DIR/pause-disabled.png
  look_until 10 start start_screen_shown
  button_face "$SHOT" $PAUSE "$initial_pause"

  type_chars "+"
  script+="speedup"
  check '"+" shows speed 1' look_until 10 plus same_as_render "$script"
  check "speed - is enabled above level 0" look_until 10 plus button_enabled $SPEED_DOWN

  click_button $SPEED_UP_AT
  key space
  script+=$'\nspeedup'
  # Settled: a second press by Space would come after the click's.
  check "the + button raises the speed once; Space afterwards does not press it again" \
    settled 0.5 look_until 10 plus-button same_as_render "$script"

  click_button $SPEED_DOWN_AT
  script+=$'\nspeeddown'
  check "the - button lowers the speed" look_until 10 minus-button same_as_render "$script"

  type_chars "<<<"
  script+=$'\nrowsup\nrowsup\nrowsup'
  check '"<" three times shows 3 starting rows' look_until 10 rows-up same_as_render "$script"
  check "rows - is enabled above 0 rows" look_until 10 rows-up button_enabled $ROWS_DOWN

  type_chars ">"
  script+=$'\nrowsdown'
  check '">" lowers the starting rows' look_until 10 rows-down same_as_render "$script"

  click_button $ROWS_UP_AT
  click_button $ROWS_UP_AT
  click_button $ROWS_DOWN_AT
  script+=$'\nrowsup\nrowsup\nrowsdown'
  # Settled: after the first click the screen already shows the end's count.
  check "the rows buttons raise and lower the starting rows" \
    settled 0.5 look_until 10 rows-buttons same_as_render "$script"
  check "speed + still enabled" button_enabled "$SHOT" $SPEED_UP
  check "pause still disabled" button_disabled "$SHOT" $PAUSE

  key F3
  check "F3 before the first game changes nothing" settled 0.5 look_until 10 f3-before-game same_as_render "$script"
  check "the pause label is untouched before the first game" face_is "$SHOT" $PAUSE "$initial_pause"

  key F2
  local running=$CASE_DIR/pause-running.png
  check "pause enabled once a game runs" save_running_pause_face "$running"

  key F3
  check "F3 changes the pause label" look_until 10 paused face_differs $PAUSE "$running"
  check "the paused game stands still" well_frozen 2.5

  # The difficulty works while paused; with the game stopped the screen
  # stays readable. F5 and F6 step the counter up one level at a time.
  key F5
  script+=$'\nmaxspeed'
  check "F5 steps the speed to 19" look_until 10 max-speed same_region_as_render "$script" $SPEED_BOX
  check "speed + disabled at level 19" look_until 10 max-speed button_disabled $SPEED_UP
  check "speed - enabled at level 19" look_until 10 max-speed button_enabled $SPEED_DOWN
  key F6
  script+=$'\nmaxrows'
  check "F6 steps the starting rows to 16" look_until 10 max-rows same_region_as_render "$script" $ROWS_BOX
  check "rows + disabled at 16" look_until 10 max-rows button_disabled $ROWS_UP

  key F3
  check "F3 again gives the first label back" look_until 10 resumed face_is $PAUSE "$running"
  # At level 19 on 16 rows the game may end within the 3 s: the replay
  # question then shows it ran.
  check "the game runs again" eval 'well_moving 3 || window_named "游戏结束"'
}
