# Soak: thousands of random keys, characters and clicks in short chunks,
# with every dialog that opens closed between two chunks; after each batch
# the window hides to exactly one icon and comes back from it, and a popup
# menu opens and is left. At the end the program still closes on request.
# E2E_SOAK_SEED=n replays the same input (the game itself is seeded with
# the time).
# What the in-process soak (tests/win32/soak_test.cpp) cannot check: real
# keystrokes and clicks through the X server, Wine's desktop and its
# notification area. What this one cannot check: the program's count of the
# objects it made and freed, which only the in-process soak reads.
CASES+=" soak"

SOAK_BATCHES=20
SOAK_CHUNKS=9

# The program's dialogs, and the keys that close each without ending the
# program: OK for the name, OK by its mnemonic for the table (Clear may
# have the focus), Yes to another game, Esc for the sheet and the options,
# No to the exit question. At the top speed with many starting rows a game
# ends as soon as it starts: "-" and ">" right behind Yes, typed at once so
# that they are queued before the next gravity tick, make the next one last.
SOAK_DIALOGS=("恭喜!" "排行榜" "游戏结束" "Trelmo信息" "选项设定" "退出")
SOAK_CLOSERS=(Return alt+o "y minus minus minus minus greater greater greater greater" Escape Escape n)
SOAK_ANY_DIALOG="^($(IFS='|'; echo "${SOAK_DIALOGS[*]}"))\$"

any_dialog_open() { xdo search --name "$SOAK_ANY_DIALOG" >/dev/null 2>&1; }

# Closes the open dialogs one by one, each after a click on its caption
# gives it the keyboard; false when some are still open after 30 s.
close_dialogs() {
  local i g deadline=$((SECONDS + 30))
  while [ "$SECONDS" -lt "$deadline" ]; do
    any_dialog_open || return 0
    for i in "${!SOAK_DIALOGS[@]}"; do
      window_named "${SOAK_DIALOGS[$i]}" || continue
      g=($(window_geometry "${SOAK_DIALOGS[$i]}")) && click_screen $((g[0] + 30)) $((g[1] + 10)) 1
      xdo key --delay 1 ${SOAK_CLOSERS[$i]}
      SOAK_CLOSED=$((SOAK_CLOSED + 1))
      sleep 0.2
      break
    done
  done
  ! any_dialog_open
}

pick() { echo "${@:$((RANDOM % $# + 1)):1}"; }

# Keys of play without Space and Enter: when the question after a game
# opens amid them, arrows may move its focus to No, but nothing presses it.
# The dialog keys are rarer than the rest, and F5 and F6, which hold the
# program for up to a second, rarer still. "-" and ">" come twice as often
# as "+" and "<", so that the games are mostly not over at once.
play_keys() {
  local n=$((15 + RANDOM % 26)) keys=() i r
  for i in $(seq "$n"); do
    r=$((RANDOM % 400))
    if [ "$r" -lt 250 ]; then keys+=("$(pick Left Right Up Left Right Down)")
    elif [ "$r" -lt 350 ]; then keys+=("$(pick plus minus minus less greater greater)")
    elif [ "$r" -lt 380 ]; then keys+=("$(pick F2 F3 ctrl+Down F9 a)")
    elif [ "$r" -lt 398 ]; then keys+=("$(pick F1 F4 F7 F8)")
    else keys+=("$(pick F5 F6)")
    fi
  done
  SOAK_INPUTS=$((SOAK_INPUTS + n))
  xdo key --delay 5 "${keys[@]}"
}

# Space, after "y": the program may still be working through the keys
# before, and a question that one of them led to, whose focus the arrows
# moved to No, takes "y" as Yes first. A dialog that opens amid the spaces
# has its default button focused (OK, Yes), which Space presses.
turn_keys() {
  local n=$((2 + RANDOM % 7)) keys=(y) i
  for i in $(seq "$n"); do keys+=(space); done
  SOAK_INPUTS=$((SOAK_INPUTS + n + 1))
  xdo key --delay 5 "${keys[@]}"
}

# Client points outside the middle, where the question after a game opens
# with its No button; right clicks only in the well, where they move.
SOAK_AVOID="110 110 370 250"
outside_middle() {
  local a=($SOAK_AVOID)
  [ "$1" -lt "${a[0]}" ] || [ "$1" -gt "${a[2]}" ] || [ "$2" -lt "${a[1]}" ] || [ "$2" -gt "${a[3]}" ]
}
random_clicks() {
  local n=$((4 + RANDOM % 9)) args=() x y b
  while [ "${#args[@]}" -lt $((n * 9)) ]; do
    b=$(pick 1 1 1 2 3)
    if [ "$b" = 3 ]; then x=$((130 + RANDOM % 211)) y=$((5 + RANDOM % 326))
    else x=$((RANDOM % CLIENT_W)) y=$((RANDOM % CLIENT_H))
    fi
    outside_middle "$x" "$y" || continue
    args+=(mousemove $((CLIENT_X + x)) $((CLIENT_Y + y)) mousedown "$b" mouseup "$b" sleep 0.02)
  done
  SOAK_INPUTS=$((SOAK_INPUTS + n))
  xdo "${args[@]}"
}

soak_batch() {
  local c
  for c in $(seq "$SOAK_CHUNKS"); do
    case $((RANDOM % 4)) in
      0 | 1) play_keys ;;
      2) turn_keys ;;
      3) random_clicks ;;
    esac
    close_dialogs || return 1
  done
}

# The main window's menu by a right click beside the buttons, left with
# Esc or a click on the desktop.
soak_menu() {
  click_screen 450 192 1
  click_client 420 240 3
  sleep 0.3
  if [ $((RANDOM % 2)) = 0 ]; then key Escape; else click_screen 100 100 1; fi
  sleep 0.2
}

# A game that ends just then takes Esc into its question: closed, and Esc
# again.
hide_by_esc() {
  local try
  for try in 1 2 3; do
    close_dialogs
    click_screen 450 192 1
    key Escape
    wait_until 3 window_hidden && return 0
  done
  return 1
}

# Esc to the icon, sometimes its menu opened and left by a click on the
# desktop, then a double-click on the icon.
soak_hide_and_restore() {
  hide_by_esc || { log "     Esc did not hide the window"; return 1; }
  sleep 0.3
  soon_one_tray_icon || return 1
  if [ $((RANDOM % 3)) = 0 ]; then
    open_tray_menu || return 1
    if leave_tray_menu; then
      window_hidden && soon_one_tray_icon || { log "     the icon's menu changed the icon or the window"; return 1; }
    else
      # Seen only under load, when the menu opens without the keyboard:
      # it still takes its items.
      log "     neither a click nor Esc closed the icon's menu; its 恢复 instead"
      click_tray_menu_item $TRAY_RESTORE_DX $TRAY_RESTORE_DY
    fi
  fi
  window_shown || double_click_icon
  wait_until 5 window_shown || { log "     the icon did not bring the window back"; return 1; }
  wait_until 3 no_tray_icon || { log "     the icon stayed"; return 1; }
  SOAK_CYCLES=$((SOAK_CYCLES + 1))
}

soak_closed_after_yes() {
  local try
  for try in $(seq 10); do
    trelmo_running || return 0
    close_dialogs_for_exit
    sleep 0.5
  done
  ! trelmo_running
}
# After Yes to leaving, the name and the table may still come.
close_dialogs_for_exit() {
  window_named "恭喜!" && key Return
  window_named "排行榜" && key alt+o
  return 0
}

# The exit question, shown once the game has not ended meanwhile.
ask_to_close() {
  local try
  for try in 1 2 3; do
    close_dialogs
    click_screen 450 192 1
    key alt+F4
    wait_until 3 exit_box_shown && return 0
  done
  return 1
}

case_soak() {
  local seed=${E2E_SOAK_SEED:-$((RANDOM % 30000))} batch started=$SECONDS
  RANDOM=$seed
  log "input seed $seed (E2E_SOAK_SEED=$seed replays it)"
  SOAK_INPUTS=0 SOAK_CLOSED=0 SOAK_CYCLES=0
  key F2
  for batch in $(seq "$SOAK_BATCHES"); do
    if ! soak_batch; then
      trelmo_running || log "     the program has ended"
      check "batch $batch: every dialog closes" false
      shot stuck >/dev/null
      return
    fi
    if ! trelmo_running; then
      check "batch $batch: the program is alive" false
      return
    fi
    soak_menu
    close_dialogs
    if ! soak_hide_and_restore; then
      trelmo_running || log "     the program has ended"
      check "batch $batch: hidden to one icon and back" false
      shot cycle >/dev/null
      return
    fi
  done
  log "$SOAK_INPUTS inputs, $SOAK_CLOSED dialogs closed, $SOAK_CYCLES hidings in $((SECONDS - started)) s"
  check "the program is alive after $SOAK_BATCHES batches" trelmo_running
  check "and came back from the icon after each" test "$SOAK_CYCLES" = "$SOAK_BATCHES"

  check "Alt+F4 still asks" ask_to_close
  key y
  check "and Yes ends the program" soak_closed_after_yes
}
