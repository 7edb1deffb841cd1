# Start-up of the Linux program: the information sheet first, on its About
# page, holding the game until it closes; then the window where the Windows
# program puts its own, with the same client area, pixels and buttons, and
# no way to maximise or resize it.
native_startup_while_sheet() {
  check "start-up opens \"$SHEET_TITLE\" on its About page" look_until 10 sheet sheet_shows_about
  check "over the main window" wait_until 10 visible_window_named "$TRELMO_TITLE"
}

window_actions() { xprop -display ":$CASE_DISPLAY" -id "$(windows_named "$TRELMO_TITLE" --onlyvisible | head -1)" _NET_WM_ALLOWED_ACTIONS; }
can_be_minimised() { window_actions | grep -q _NET_WM_ACTION_MINIMIZE; }
cannot_be_maximised() { ! window_actions | grep -q _NET_WM_ACTION_MAXIMIZE; }
cannot_be_resized() { ! window_actions | grep -q _NET_WM_ACTION_RESIZE; }

# The pointer as the X server shows it (trelmo-xprobe), against the hand's
# pixel map in media/artwork.cpp.
pointer_image() { DISPLAY=":$CASE_DISPLAY" "$XPROBE" cursor; }
hand_rows() { sed -n '/kHandCursor = {/,/};/s/^ *"\(.*\)",$/\1/p' "$top/media/artwork.cpp"; }
is_hand() {
  [ "$(echo "$1" | head -n 1)" = "hot 0 0" ] && [ "$(echo "$1" | sed -n '2,19p' | cut -c1-16)" = "$(hand_rows)" ]
}
pointer_is_hand() {
  local image
  image=$(pointer_image) && is_hand "$image"
}
pointer_is_not_hand() {
  local image
  image=$(pointer_image) && ! is_hand "$image"
}
pointer_over() { xdo mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2)); }
main_window_size_is() {
  local g
  g=($(window_geometry "$TRELMO_TITLE"))
  [ "${g[2]:-}x${g[3]:-}" = "$1" ] || { log "     the client area is ${g[2]:-?} x ${g[3]:-?}"; return 1; }
}

case_native_startup() {
  check_start_screen
  local s=$SHOT
  DESKTOP=$(pixel "$s" 5 5)
  check "a client area of 479 x 340" wait_until 10 main_window_size_is 479x340
  # The frame is the window manager's; its corner is where Windows puts the
  # 485 x 365 window's: (1024 / 2 - 242, 768 / 2 - 202).
  check "the frame's top-left corner at (270, 182)" window_at "$s" 270 182
  check "nothing of it left of x 270" desktop_at "$s" 269 182
  check "nothing of it above y 182" desktop_at "$s" 270 181
  # The window manager lists the actions once it manages the window: the
  # two absent ones are read after minimising is seen.
  check "the window can be minimised" wait_until 10 can_be_minimised
  check "but not maximised" cannot_be_maximised
  check "nor resized" cannot_be_resized
  pointer_over 200 200
  check "the pointer over the well is not the hand" settled 0.5 pointer_is_not_hand
  pointer_over 60 230
  check "over the logo it is cursor 1, the hand" wait_until 10 pointer_is_hand
  pointer_over 400 100
  check "and away from the logo no longer" wait_until 10 pointer_is_not_hand
}
