# A desktop without a notification area: Esc and the minimise box leave
# the window iconified where the taskbar or dock keeps it, the game paused;
# bringing it back from there (as a taskbar does, by activating it) resumes
# the game.
NO_TRAY_CASES+=" no_tray"

trelmo_window() { windows_named "$TRELMO_TITLE" | while read -r id; do
  xprop -display ":$CASE_DISPLAY" -id "$id" WM_STATE 2>/dev/null | grep -q 'window state' && echo "$id"; done | head -1; }
window_iconic() { xprop -display ":$CASE_DISPLAY" -id "$(trelmo_window)" WM_STATE | grep -q 'Iconic'; }
window_back() { visible_window_named "$TRELMO_TITLE" && ! window_iconic; }
program_pid() { xprop -display ":$CASE_DISPLAY" -id "$(trelmo_window)" _NET_WM_PID | awk '{ print $3 }'; }
program_windows_shown() { xdo search --onlyvisible --pid "$(program_pid)" 2>/dev/null; }
no_program_window_shown() { [ -z "$(program_windows_shown)" ]; }
activate_from_taskbar() { xdo windowactivate "$(trelmo_window)"; }

case_no_tray() {
  key F2
  check "a piece appears" wait_until 10 piece_appeared
  check "the game's window is known by its process" test -n "$(program_windows_shown)"
  key Escape
  check "Esc iconifies the window" wait_until 10 window_iconic
  # Nothing of the program stays on the screen: no icon or stand-in window.
  check "nothing of the game is left on the screen" settled 1 no_program_window_shown
  sleep 1
  activate_from_taskbar
  check "activating it brings it back" wait_until 10 window_back
  check "and the game runs again" well_moving 3

  click_screen $MINIMISE_BOX 1
  check "the minimise box iconifies it too" wait_until 10 window_iconic
  activate_from_taskbar
  check "and it comes back the same way" wait_until 10 window_back
  check "the whole client area is shown again" look_until 10 back client_painted
}
