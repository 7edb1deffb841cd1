# The difficulty counters through characters and the +/- buttons, the
# buttons' enabled states, focus going back to the window after a click,
# and F3 alternating the pause button's label.
CASES+=" counters"

# Client centres of the four small buttons.
SPEED_UP_AT="432 151" SPEED_DOWN_AT="452 151" ROWS_UP_AT="432 206" ROWS_DOWN_AT="452 206"
SPEED_BOX=${COUNTERS[speed]} ROWS_BOX=${COUNTERS[startrows]}

click_button() { click_client $1 $2 1; }

case_counters() {
  local s script="" initial_pause
  initial_pause=$CASE_DIR/pause-disabled.png
  button_face "$(shot start)" $PAUSE "$initial_pause"

  type_chars "+"
  sleep 0.3
  script+="speedup"
  s=$(shot plus)
  check '"+" shows speed 1' same_as_render "$s" "$script"
  check "speed - is enabled above level 0" button_enabled "$s" $SPEED_DOWN

  click_button $SPEED_UP_AT
  key space
  sleep 0.3
  script+=$'\nspeedup'
  s=$(shot plus-button)
  check "the + button raises the speed once; Space afterwards does not press it again" \
    same_as_render "$s" "$script"

  click_button $SPEED_DOWN_AT
  sleep 0.3
  script+=$'\nspeeddown'
  check "the - button lowers the speed" same_as_render "$(shot minus-button)" "$script"

  type_chars "<<<"
  sleep 0.3
  script+=$'\nrowsup\nrowsup\nrowsup'
  s=$(shot rows-up)
  check '"<" three times shows 3 starting rows' same_as_render "$s" "$script"
  check "rows - is enabled above 0 rows" button_enabled "$s" $ROWS_DOWN

  type_chars ">"
  sleep 0.3
  script+=$'\nrowsdown'
  check '">" lowers the starting rows' same_as_render "$(shot rows-down)" "$script"

  click_button $ROWS_UP_AT
  click_button $ROWS_UP_AT
  click_button $ROWS_DOWN_AT
  sleep 0.3
  script+=$'\nrowsup\nrowsup\nrowsdown'
  s=$(shot rows-buttons)
  check "the rows buttons raise and lower the starting rows" same_as_render "$s" "$script"
  check "speed + still enabled" button_enabled "$s" $SPEED_UP
  check "pause still disabled" button_disabled "$s" $PAUSE

  key F3
  sleep 0.3
  s=$(shot f3-before-game)
  check "F3 before the first game changes nothing" same_as_render "$s" "$script"
  check "the pause label is untouched before the first game" face_is "$s" $PAUSE "$initial_pause"

  key F2
  sleep 0.5
  local running=$CASE_DIR/pause-running.png
  s=$(shot new-game)
  button_face "$s" $PAUSE "$running"
  check "pause enabled once a game runs" button_enabled "$s" $PAUSE

  key F3
  sleep 0.3
  s=$(shot paused)
  check "F3 changes the pause label" face_differs "$s" $PAUSE "$running"
  check "the paused game stands still" well_frozen 2.5

  # The difficulty works while paused; with the game stopped the screen
  # stays readable.
  key F5
  sleep 1.5
  script+=$'\nmaxspeed'
  s=$(shot max-speed)
  check "F5 steps the speed to 19" same_region_as_render "$s" "$script" $SPEED_BOX
  check "speed + disabled at level 19" button_disabled "$s" $SPEED_UP
  check "speed - enabled at level 19" button_enabled "$s" $SPEED_DOWN
  key F6
  sleep 1.5
  script+=$'\nmaxrows'
  s=$(shot max-rows)
  check "F6 steps the starting rows to 16" same_region_as_render "$s" "$script" $ROWS_BOX
  check "rows + disabled at 16" button_disabled "$s" $ROWS_UP

  key F3
  sleep 0.3
  s=$(shot resumed)
  check "F3 again gives the first label back" face_is "$s" $PAUSE "$running"
  # At level 19 on 16 rows the game may end within the 3 s: the replay
  # question then shows it ran.
  check "the game runs again" eval 'well_moving 3 || window_named "游戏结束"'
}
