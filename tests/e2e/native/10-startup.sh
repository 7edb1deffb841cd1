# Start-up of the Linux program: the information sheet first, on its About
# page, holding the game until it closes; then the window where the Windows
# program puts its own, with the same client area, pixels and buttons, and
# no way to maximise or resize it.
native_startup_while_sheet() {
  local s
  s=$(shot sheet)
  check "start-up opens \"$SHEET_TITLE\" on its About page" sheet_shows_about "$s"
  check "over the main window" visible_window_named "$TRELMO_TITLE"
}

window_actions() { xprop -display ":$CASE_DISPLAY" -id "$(windows_named "$TRELMO_TITLE" --onlyvisible | head -1)" _NET_WM_ALLOWED_ACTIONS; }
can_be_minimised() { window_actions | grep -q _NET_WM_ACTION_MINIMIZE; }
cannot_be_maximised() { ! window_actions | grep -q _NET_WM_ACTION_MAXIMIZE; }
cannot_be_resized() { ! window_actions | grep -q _NET_WM_ACTION_RESIZE; }

# The pointer as the X server shows it (trelmo-xprobe), against the hand's
# pixel map in media/artwork.cpp.
pointer_image() { DISPLAY=":$CASE_DISPLAY" "$XPROBE" cursor; }
hand_rows() { sed -n '/kHandCursor = {/,/};/s/^ *"\(.*\)",$/\1/p' "$top/media/artwork.cpp"; }
pointer_is_hand() {
  local image
  image=$(pointer_image) || return 1
  [ "$(echo "$image" | head -n 1)" = "hot 0 0" ] &&
    [ "$(echo "$image" | sed -n '2,19p' | cut -c1-16)" = "$(hand_rows)" ]
}
pointer_over() { xdo mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2)); sleep 0.3; }

case_native_startup() {
  local s g
  s=$(shot start)
  DESKTOP=$(pixel "$s" 5 5)
  g=($(window_geometry "$TRELMO_TITLE"))
  check "a client area of 479 x 340 (got ${g[2]} x ${g[3]})" test "${g[2]}x${g[3]}" = 479x340
  # The frame is the window manager's; its corner is where Windows puts the
  # 485 x 365 window's: (1024 / 2 - 242, 768 / 2 - 202).
  check "the frame's top-left corner at (270, 182)" window_at "$s" 270 182
  check "nothing of it left of x 270" desktop_at "$s" 269 182
  check "nothing of it above y 182" desktop_at "$s" 270 181
  check_start_screen "$s"
  check "the window can be minimised" can_be_minimised
  check "but not maximised" cannot_be_maximised
  check "nor resized" cannot_be_resized
  pointer_over 200 200
  check "the pointer over the well is not the hand" eval '! pointer_is_hand'
  pointer_over 60 230
  check "over the logo it is cursor 1, the hand" pointer_is_hand
  pointer_over 400 100
  check "and away from the logo no longer" eval '! pointer_is_hand'
}
