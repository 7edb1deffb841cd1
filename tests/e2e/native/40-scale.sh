# A desktop scale of 2 or 3 (GDK_SCALE, as GNOME and KDE set on HiDPI
# screens): every game pixel a whole square of the screen's, never smoothed,
# whether a whole repaint or a command painted it, and the window's icon in
# the larger sizes. At 3 the window needs a larger screen.
CASE_ENVS[scale_2]="GDK_SCALE=2"
CASE_ENVS[scale_3]="GDK_SCALE=3"
CASE_SCREENS[scale_3]=1600x1200x24

# frame_row SHOT: the screen pixels across the well frame's left side at
# client row 100, where client pixels 130, 131 and 132 are one each of
# grey, black and the background.
frame_row() {
  local k=$CLIENT_SCALE x
  for x in $(seq $((130 * k)) $((133 * k - 1))); do
    printf '%s ' "$(pixel "$1" $((CLIENT_X + x)) $((CLIENT_Y + 100 * k)) | cut -d, -f1)"
  done
}
window_icon_sizes() {
  xprop -display ":$CASE_DISPLAY" -id "$(windows_named "$TRELMO_TITLE" --onlyvisible | head -1)" _NET_WM_ICON |
    sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' | tr '\n' ' '
}

# well_in_squares SHOT: the well shows a piece, and each square of its
# screen pixels that a client pixel takes is one colour: what a command
# painted (not a whole repaint) went to the screen unsmoothed too.
well_in_squares() {
  local w=($WELL) base=$CASE_DIR/well k=$CLIENT_SCALE
  convert "$1" -crop "$((k * w[2]))x$((k * w[3]))+$((CLIENT_X + k * w[0]))+$((CLIENT_Y + k * w[1]))" +repage \
    "$base.png" || return 1
  convert "$base.png" -sample "$((w[2]))x$((w[3]))!" -sample "$((k * w[2]))x$((k * w[3]))!" "$base-blocks.png"
  [ "$(convert "$base.png" -format '%[fx:maxima.r+maxima.g+maxima.b>0]' info:)" = 1 ] &&
    same_pictures "$base.png" "$base-blocks.png"
}
scale_2_before_launch() { CLIENT_SCALE=2; }
scale_3_before_launch() { CLIENT_SCALE=3; }
# check_scaled_window K ICON-SIZES: the window at scale K.
check_scaled_window() {
  local k=$1 want="" c
  for c in 128 0 192; do want+="$(printf "$c %.0s" $(seq "$k"))"; done
  check "a client area of $((k * CLIENT_W)) x $((k * CLIENT_H)) screen pixels" \
    wait_until 10 main_window_size_is "$((k * CLIENT_W))x$((k * CLIENT_H))"
  check "the start screen is trelmo-sim's, each pixel a $k x $k square" look_until 10 scaled shows_scaled
  check "the well frame reads ${want% } across" test "$(frame_row "$SHOT")" = "$want"
  check "the buttons show their texts" button_enabled "$SHOT" $START
  check "the window offers its icon at $2 pixels" test "$(window_icon_sizes)" = "$3"
  key F2
  check "a new game's piece shows in whole squares" look_until 10 piece well_in_squares
}
case_scale_2() { check_scaled_window 2 "32, 64, 96 and 128" "32x32 64x64 96x96 128x128 "; }
case_scale_3() { check_scaled_window 3 "32, 64, 96 and 128" "32x32 64x64 96x96 128x128 "; }
