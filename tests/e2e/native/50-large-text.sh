# A desktop text scale of 2 (GDK_DPI_SCALE, the accessibility settings'
# large text): the buttons keep their boxes, their texts made to fit.
CASE_ENVS[large_text]="GDK_DPI_SCALE=2"

# A button's box and a two-pixel ring round it: with its text inside the
# box, the ring is the background the raster painted.
ring_is_background() {
  local b=(${BUTTONS[$2]})
  same_region_as_render "$1" "" $((b[0] - 2)) $((b[1] - 2)) $((b[2] + 4)) 2 &&
    same_region_as_render "$1" "" $((b[0] - 2)) $((b[1] + b[3])) $((b[2] + 4)) 2
}

case_large_text() {
  check_start_screen
  check "the start button keeps to its box" ring_is_background "$SHOT" $START
  key F2
  check "a piece appears" wait_until 10 piece_appeared
  check "the pause button's text shows once live" look_until 10 live button_enabled $PAUSE
  check "and keeps to its box, apart from the start button's" ring_is_background "$SHOT" $PAUSE
}
