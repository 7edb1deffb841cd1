# The top-ten table at the end of a game: the name dialog offers the name of
# the row overtaken, OK stores the row and shows the table, Clear empties
# it, and No to the replay question ends the program. The file given to the
# program holds ten negative scores, so that the game's score of 0 takes
# the first place.
CASES+=" scores"

SCORE_NAMES=(Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel India Juliet)

scores_before_launch() {
  local i
  mkdir -p "$(dirname "$(ini_file)")"
  {
    echo "[Score]"
    for i in $(seq 0 9); do echo "Player$i=$((-1 - i)),$((9 - i)),${SCORE_NAMES[$i]}"; done
  } >"$(ini_file)"
}

# The table opens over the main window at a fixed place; its OK button:
TABLE_OK="639 508"
table_closed() { ! visible_window_named "排行榜"; }
game_over_shown() { window_named "游戏结束" || window_named "恭喜!"; }
program_ended() { ! trelmo_running; }
new_row_first() { [[ "$(ini_value Player0)" =~ ^0,[0-9]+,Alpha$ ]]; }
old_rows_moved_down() { [ "$(ini_value Player1) $(ini_value Player9)" = "-1,9,Alpha -9,1,India" ]; }
table_differs_from() { window_picture "$1" "排行榜" "$CASE_DIR/table-now.png" && ! same_pictures "$CASE_DIR/table-now.png" "$2"; }

case_scores() {
  key F6
  look_until 10 max-rows button_disabled $ROWS_UP
  key F2
  check '"恭喜!" opens for the score that F2 offers to the table' wait_until 90 window_named "恭喜!"
  sleep 0.3
  shot name-dialog >/dev/null
  key Escape
  check "Esc leaves the name dialog open" settled 0.5 window_named "恭喜!"
  # OK has the focus: Space takes the name offered.
  key space
  check 'OK shows "排行榜"' wait_until 10 window_named "排行榜"
  check "the new row is first, with the overtaken row's name" wait_until 10 new_row_first
  check "the old rows moved down one" wait_until 10 old_rows_moved_down
  local filled=$CASE_DIR/table-filled.png
  look_until 10 table part_settled window_picture "排行榜" "$filled"
  key alt+c
  check "Clear empties the table in the file" wait_until 10 score_rows_empty
  check "and shows the cleared rows" look_until 10 table-cleared table_differs_from "$filled"
  check "the table stays open" settled 0.5 window_named "排行榜"
  key Escape
  # Long enough for Esc to be handled before OK: under Wine, an Esc that
  # reached the replay question after it would answer it.
  check "Esc leaves the table open" settled 1.5 visible_window_named "排行榜"
  # Clear has taken the focus: OK by its mnemonic.
  key alt+o
  # Under load the keystroke can land before the table has the keyboard
  # again; then a click on its OK button, which no other window covers.
  if ! wait_until 8 table_closed; then
    log "     the table stayed after Alt+O; clicking its OK"
    click_screen $TABLE_OK 1
  fi
  # F2 offered the score of no game yet; the game it then started, with 16
  # starting rows at level 0, ends when a shape can no longer enter the
  # well, which can take two or three shapes of five rows at 1.1 s a row.
  # Should a falling shape happen to complete rows of the random starting
  # rows, the game has a score, which the cleared table takes: its name
  # entry and the table come before the question.
  wait_until 40 game_over_shown
  if window_named "恭喜!"; then
    log "     the game scored by chance: its name entry and table come first"
    sleep 0.5  # a dialog takes the keyboard a moment after it shows
    key Return
    wait_until 10 window_named "排行榜" && sleep 0.5 && key Return
  fi
  check '"游戏结束" asks about another game' wait_until 40 window_named "游戏结束"
  key n
  check "No ends the program" wait_until 10 program_ended
}
