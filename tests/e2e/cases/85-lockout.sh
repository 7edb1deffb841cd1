# Never locked out: the icon comes back when the shell that holds the
# notification area restarts; a game that ends while a menu is open asks
# its questions where the mouse reaches them; a second close command brings
# the exit box back to the front, and Esc at the box keeps the game.
# (Helpers of the tray and exit cases: 80-tray.sh, 50-instance-exit.sh.)
CASES+=" lockout_icon lockout_exit lockout_menu"

lockout_menu_before_launch() { write_losing_table; }

# click_control TITLE TEXT: a mouse click on the control of that text.
click_control() {
  local at
  at=$(probe where "$1" "$2")
  [ -n "$at" ] || return 1
  click_screen $at 1
}

case_lockout_icon() {
  key Escape
  check "Esc hides the window to one icon" eval 'wait_until 10 window_hidden && soon_one_tray_icon'
  probe shell-restart
  check "after the shell restarts, the hidden window has its icon again" soon_one_tray_icon
  double_click_icon
  check "and comes back from it" wait_until 10 window_shown
  sleep 0.5
  click_client 60 150 1
  probe shell-restart  # leaves no icon of ours behind
  probe take-icon
  key Escape
  check "Esc with the icon refused leaves the window where the player reaches it" settled 1 probe_says_visible
}
probe_says_visible() { [ "$(probe visible)" = 1 ]; }
game_kept() { trelmo_running && window_named Trelmo; }

case_lockout_exit() {
  key alt+F4
  check "Alt+F4 asks" wait_until 10 exit_box_shown
  sleep 0.5
  key Escape
  check "Esc closes the box" wait_until 10 exit_box_gone
  check "and keeps the game" settled 1 game_kept
  key alt+F4
  check "Alt+F4 asks again" wait_until 10 exit_box_shown
  click_client 60 150 1
  check "a click on the game puts the box behind it" wait_until 10 exit_box_gone
  key alt+F4
  check "a second Alt+F4 brings the box to the front" wait_until 10 exit_box_shown
  say_no_to_exit_box
  check "No keeps the game" settled 1 game_kept
}

case_lockout_menu() {
  # A game on 16 starting rows ends within a minute, while the menu stays
  # open. F2 first offers the game before it to the table of -1s.
  key F6
  look_until 10 max-rows button_disabled $ROWS_UP
  key F2
  check '"恭喜!" opens for the game before the first' wait_until 10 window_named "恭喜!"
  key Return
  wait_until 10 window_named "排行榜"
  key Return
  wait_until 10 window_gone "排行榜"
  click_client 60 150 3
  check "the main menu is open while the game runs" eval 'wait_until 10 probe menu >/dev/null && ! window_named "恭喜!"'
  check '"恭喜!" opens when the game ends under the menu' wait_until 90 window_named "恭喜!"
  sleep 1
  shot name-after-menu >/dev/null
  check "its OK works with the mouse" eval 'click_control "恭喜!" "确定(&O)" && wait_until 10 window_named "排行榜"'
  key Return
  check '"游戏结束" asks about another game' wait_until 10 window_named "游戏结束"
}
