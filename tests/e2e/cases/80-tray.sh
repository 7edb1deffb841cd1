# The notification area: Esc and the minimise box hide the window to
# exactly one icon and pause the game; a double-click on the icon brings
# both back. The right-click menus: "最大速度" greyed at level 19, and
# "退出" from the icon's menu asks first.
CASES+=" tray"

TRELMO_TITLE="Trelmo"
MINIMISE_BOX=${MINIMISE_BOX:-"707 193"}
# Where the icons show (a front end may say otherwise): a band of the
# desktop's bottom-right corner, and the icons' centre line.
TRAY_ZONE=${TRAY_ZONE:-124x16+900+750} TRAY_ZONE_X=${TRAY_ZONE_X:-900} TRAY_ICON_Y=${TRAY_ICON_Y:-758}
TRAY_ICON_WIDTH=${TRAY_ICON_WIDTH:-20}  # at most, for one icon
# The main menu's items: their text from the menu's corner, and their height.
MENU_TEXT_LEFT=${MENU_TEXT_LEFT:-15} MENU_TEXT_TOP=${MENU_TEXT_TOP:-6} MENU_ITEM_STEP=${MENU_ITEM_STEP:-18}
# Where the tray menu's items open, from the icon (the menu is pushed
# into the corner of the desktop).
TRAY_RESTORE_DX=${TRAY_RESTORE_DX:--21} TRAY_RESTORE_DY=${TRAY_RESTORE_DY:--30}
TRAY_EXIT_DX=${TRAY_EXIT_DX:--21} TRAY_EXIT_DY=${TRAY_EXIT_DY:--2}

window_shown() { visible_window_named "$TRELMO_TITLE"; }
window_hidden() { ! window_shown; }

# The icons in the desktop's bottom-right corner: runs of columns that
# differ from the ground there (the task bar's, or the desktop's when no
# bar is shown). Prints the count, the last run's centre x and its width.
tray_icons() {
  local width=${TRAY_ZONE%%x*}
  convert "$1" -crop "$TRAY_ZONE" +repage -colorspace Gray -scale "${width}x1!" -depth 8 txt:- |
    awk -F'[,:() ]+' -v left="$TRAY_ZONE_X" -v width="$width" 'NR == 2 { ground = $4 }
      NR > 1 { icon = ($4 - ground > 10 || ground - $4 > 10)
        if (icon && !inrun) { n++; first = $1 } if (!icon && inrun) last = $1 - 1; inrun = icon }
      END { if (inrun) last = width - 1; print n + 0, left + int((first + last) / 2), last - first + 1 }'
}
# Sets TRAY_X, TRAY_Y and TRAY_SEEN (what was there when not one icon).
exactly_one_tray_icon() {
  local r
  r=($(tray_icons "$(shot tray)"))
  TRAY_X=${r[1]} TRAY_Y=$TRAY_ICON_Y TRAY_SEEN="${r[0]} icons, the last ${r[2]} pixels wide"
  # Two icons side by side would make one run of twice the width.
  [ "${r[0]}" = 1 ] && [ "${r[2]}" -le "$TRAY_ICON_WIDTH" ]
}
one_tray_icon() { exactly_one_tray_icon || { log "     $TRAY_SEEN"; return 1; }; }
# The same, given a few seconds for the icon to show or for a menu over the
# corner to go away.
soon_one_tray_icon() { wait_until 5 one_tray_icon; }
no_tray_icon() { [ "$(tray_icons "$(shot no-tray)" | cut -d' ' -f1)" = 0 ]; }

# The top well row with a lit cell in a screenshot, or 99.
top_lit_row() {
  local r
  for r in $(seq 0 20); do
    well_rows_lit "$1" "$r" "$r" && { echo "$r"; return; }
  done
  echo 99
}

double_click_icon() { xdo mousemove "$TRAY_X" "$TRAY_Y" click --repeat 2 --delay 80 1; }
# The icon's menu, pushed into the desktop's bottom-right corner: white
# where the desktop is blue, up to above the top of the icon's tooltip
# (as white under Wine, where the pointer rests on the icon).
tray_menu_open() {
  local s
  s=$(shot tray-menu)
  [ "$(grey_percent "$s" 40x20+975+728)" -gt 80 ] && [ "$(grey_percent "$s" 30x5+975+719)" -gt 80 ]
}
grey_percent() { convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:int(100*mean)]' info:; }
tray_menu_closed() { ! tray_menu_open; }
# A right click on the icon, and the time for its menu to come up: a click
# meant for the menu must not arrive before it. Under Wine a right click
# that comes right after the last menu closed has been seen to open none;
# a second one then does.
open_tray_menu() {
  local try
  for try in 1 2 3; do
    xdo mousemove "$TRAY_X" "$TRAY_Y" click 3
    wait_until 4 tray_menu_open && return 0
    log "     the icon's menu did not open after right click $try"
  done
  return 1
}
# An item of the open menu, by its place from the icon.
click_tray_menu_item() { click_screen $((TRAY_X + $1)) $((TRAY_Y + $2)) 1; }
tray_menu_item() {
  open_tray_menu
  click_tray_menu_item "$1" "$2"
}
# A click on the desktop closes the icon's menu. Under load Wine has been
# seen to keep it open after the click now and then, and after Esc too; a
# second click then closes it.
leave_tray_menu() {
  local try
  for try in 1 2; do
    click_screen 100 100 1
    wait_until 5 tray_menu_closed && return 0
    log "     the icon's menu stayed open after click $try on the desktop; Esc"
    key Escape
    wait_until 5 tray_menu_closed && return 0
  done
  return 1
}

# Dark pixels of one item's text in the main menu opened at (X, Y): items
# are MENU_ITEM_STEP pixels high from the menu's top.
menu_item_dark_pixels() {
  convert "$1" -crop "80x10+$(($2 + MENU_TEXT_LEFT))+$(($3 + MENU_TEXT_TOP + MENU_ITEM_STEP * $4))" +repage \
    -colorspace Gray -threshold 39% -format '%[fx:int(w*h*(1-mean)+.5)]' info:
}
main_menu_item_greyed() { [ "$(menu_item_dark_pixels "$1" "$2" "$3" "$4")" = 0 ]; }
# open_main_menu ITEM...: a right click beside the buttons, until the menu
# shows those items' texts. Under Wine a right click that comes right after
# the last menu closed has been seen to open none; a second one then does.
open_main_menu() {
  local try
  for try in 1 2 3; do
    click_client 420 240 3
    look_until 5 main-menu main_menu_items_live $((CLIENT_X + 420)) $((CLIENT_Y + 240)) "$@" && return 0
    log "     the main menu did not show after right click $try"
  done
  return 1
}
# main_menu_items_live SHOT X Y ITEM...: those items' texts are black.
main_menu_items_live() {
  local shotfile=$1 x=$2 y=$3 item
  shift 3
  for item in "$@"; do [ "$(menu_item_dark_pixels "$shotfile" "$x" "$y" "$item")" -gt 0 ] || return 1; done
}

# Milliseconds since the epoch.
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

case_tray() {
  key F2
  check "a piece appears" wait_until 10 piece_appeared
  key Escape
  local top
  top=$(top_lit_row "$PROBE")
  check "Esc hides the window" wait_until 10 window_hidden
  sleep 0.5
  check "to exactly one icon" soon_one_tray_icon
  sleep 3
  click_screen "$TRAY_X" "$TRAY_Y" 1
  check "a single click on the icon does nothing" settled 1 window_hidden
  local restored_at
  restored_at=$(now_ms)
  double_click_icon
  check "a double-click on the icon restores the window" wait_until 10 window_shown
  look_until 10 restored client_painted
  # At most a row a second while shown (level 0): one before Esc took
  # effect, and those from the double-click to the look. Hidden for over
  # 4 s, a game still running would have gone at least two rows further.
  local row shown=$((($(now_ms) - restored_at) / 1000))
  row=$(top_lit_row "$SHOT")
  check "the game stood still while hidden (row $top, then $row, $shown s after the double-click)" \
    test $((row - top)) -le $((shown + 2))
  check "the icon is gone" wait_until 10 no_tray_icon
  check "the game runs again" well_moving 3

  click_screen $MINIMISE_BOX 1
  check "the minimise box hides the window" wait_until 10 window_hidden
  sleep 0.5
  check "to exactly one icon" soon_one_tray_icon
  double_click_icon
  check "and the icon brings it back" wait_until 10 window_shown

  # Paused first: at level 19 a running game would end within seconds and
  # its replay question would stand between the keys and the windows below.
  # The menu reads the level when it opens: F5 has stepped it to 19 first.
  key F3
  key F5
  check "F5 steps the speed to 19" look_until 20 max-speed button_disabled $SPEED_UP
  local menu_x=$((CLIENT_X + 420)) menu_y=$((CLIENT_Y + 240))
  check '"最大起始行数" and "隐藏界面" are live in the main menu' open_main_menu 4 0
  check '"最大速度" is greyed at level 19' look_until 10 main-menu-greyed main_menu_item_greyed $menu_x $menu_y 3
  key Escape
  sleep 0.5
  check "the main menu opens again" open_main_menu 0
  key Down Down Return
  check 'Down, Down and Return in the main menu choose "排行榜"' wait_until 10 window_named "排行榜"
  key Return
  check "and Return closes it" wait_until 10 window_gone "排行榜"
  if [ "$FRONT" = gtk ]; then
    # Its keys are the core's, as in a Windows menu: Down lands on the
    # greyed item too, where Return chooses nothing and closes the menu
    # (the Esc below then hides the window).
    check "and again" open_main_menu 0
    key Down Down Down Down Return
    check 'Return on the greyed "最大速度" runs nothing: not "最大起始行数", the next item' \
      settled 1 look_until 10 rows-live button_enabled $ROWS_UP
  fi

  key Escape
  check "Esc hides the window again" wait_until 10 window_hidden
  sleep 0.5
  check "to one icon" soon_one_tray_icon
  check "the icon's menu opens" open_tray_menu
  key Escape
  check "Esc closes it" wait_until 10 tray_menu_closed
  check "and the window stays hidden" settled 0.5 window_hidden
  check "the menu opens again" open_tray_menu
  check "a click on the desktop closes it" leave_tray_menu
  tray_menu_item $TRAY_EXIT_DX $TRAY_EXIT_DY
  check '"退出" in the icon'"'"'s menu asks first' wait_until 10 exit_box_shown
  check "No closes the box" say_no_to_exit_box
  check "the window stays hidden" settled 0.5 window_hidden
  check "with its icon" soon_one_tray_icon
  tray_menu_item $TRAY_RESTORE_DX $TRAY_RESTORE_DY
  check '"恢复" brings the window back' wait_until 10 window_shown
}
