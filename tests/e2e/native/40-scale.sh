# A desktop scale of 2 (GDK_SCALE, as GNOME and KDE set on HiDPI screens):
# every game pixel a whole 2 x 2 square of the screen's, never smoothed,
# whether a whole repaint or a command painted it, and the window's icon in
# the larger sizes.
CASE_ENVS[scale_2]="GDK_SCALE=2"

# The label and button masks in screen pixels at scale 2.
doubled_mask_args() {
  mask_args | awk -F'[ ,]' '/^rectangle/ { printf "rectangle %d,%d %d,%d\n", 2*$2, 2*$3, 2*$4+1, 2*$5+1; next } { print }'
}
# shows_doubled SHOT: the screenshot's client area, outside the labels and
# buttons, is trelmo-sim's start screen with every pixel a 2 x 2 square.
shows_doubled() {
  local base=$CASE_DIR/doubled args=() n
  mapfile -t args < <(doubled_mask_args)
  convert "$1" -crop "$((2 * CLIENT_W))x$((2 * CLIENT_H))+$CLIENT_X+$CLIENT_Y" +repage \
    -fill '#ff00ff' "${args[@]}" "$base-shot.png" || return 1
  render "" "$base-sim.bmp" && convert "$base-sim.bmp" -sample 200% -fill '#ff00ff' "${args[@]}" "$base-sim.png" ||
    return 1
  n=$(differing_pixels "$base-shot.png" "$base-sim.png")
  [ "$n" = 0 ] || log "     $n screen pixels differ from the render doubled"
  [ "$n" = 0 ]
}
# frame_row SHOT: six screen pixels across the well frame's left side at
# client row 100, where one client pixel each of grey, black and the
# background lie.
frame_row() {
  local x
  for x in 260 261 262 263 264 265; do printf '%s ' "$(pixel "$1" $((CLIENT_X + x)) $((CLIENT_Y + 200)) | cut -d, -f1)"; done
}
window_icon_sizes() {
  xprop -display ":$CASE_DISPLAY" -id "$(windows_named "$TRELMO_TITLE" --onlyvisible | head -1)" _NET_WM_ICON |
    sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' | tr '\n' ' '
}

# well_in_squares SHOT: the well at scale 2 shows a piece, and each 2 x 2
# block of its screen pixels is one colour: what a command painted (not a
# whole repaint) went to the screen unsmoothed too.
well_in_squares() {
  local w=($WELL) base=$CASE_DIR/well
  convert "$1" -crop "$((2 * w[2]))x$((2 * w[3]))+$((CLIENT_X + 2 * w[0]))+$((CLIENT_Y + 2 * w[1]))" +repage \
    "$base.png" || return 1
  convert "$base.png" -sample 50% -sample 200% "$base-blocks.png"
  [ "$(convert "$base.png" -format '%[fx:maxima.r+maxima.g+maxima.b>0]' info:)" = 1 ] &&
    same_pictures "$base.png" "$base-blocks.png"
}
scale_2_before_launch() { CLIENT_SCALE=2; }
case_scale_2() {
  check "a client area of 958 x 680 screen pixels" wait_until 10 main_window_size_is 958x680
  check "the start screen is trelmo-sim's, each pixel a 2 x 2 square" look_until 10 doubled shows_doubled
  check "the well frame reads 128,128,0,0,192,192 across" test "$(frame_row "$SHOT")" = "128 128 0 0 192 192 "
  check "the buttons show their texts" button_enabled "$SHOT" $START
  check "the window offers its icon at 32, 64, 96 and 128 pixels" \
    test "$(window_icon_sizes)" = "32x32 64x64 96x96 128x128 "
  key F2
  check "a new game's piece shows in whole squares" look_until 10 piece well_in_squares
}
