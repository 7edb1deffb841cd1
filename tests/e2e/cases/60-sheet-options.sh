# The key page of the information sheet, and the options dialog: Esc and
# Cancel change and write nothing; OK stores the flags in the prefix's
# trelmo.ini and repaints the well in the new look before it closes.
CASES+=" options"

OPTIONS_TITLE="选项设定"

options_open() {
  key F4
  wait_until 10 window_named "$OPTIONS_TITLE"
}
options_closed() { wait_until 10 window_gone "$OPTIONS_TITLE"; }
no_settings_file() { [ ! -e "$(ini_file)" ]; }
flat_look_stored() { [ "$(ini_value 3Dtrelmo)" = 0 ]; }
other_flags_unchanged() {
  [ "$(ini_value DropStyle)$(ini_value Style)$(ini_value Sound)$(ini_value Preview)$(ini_value Inverse)$(ini_value RotateDir)" = 111110 ]
}

case_options() {
  key F7
  check "F7 opens \"$SHEET_TITLE\"" wait_until 10 window_named "$SHEET_TITLE"
  check "on the key page, not the About page" look_until 10 key-page sheet_shows_other_page
  check "Enter closes the sheet" close_sheet

  check "F4 opens \"$OPTIONS_TITLE\"" options_open
  shot options-dialog >/dev/null
  key alt+3
  key Escape
  check "Esc closes the dialog" options_closed
  check "Esc writes nothing" settled 0.5 no_settings_file
  options_open
  key alt+3 alt+p
  key alt+c
  check "Cancel closes the dialog" options_closed
  check "Cancel writes nothing" settled 0.5 no_settings_file

  # A paused game, so the well holds still while the look changes: F3 as
  # soon as the first piece shows, a tick after F2, when the pause
  # button's face is the running game's.
  key F2
  check "a piece appears after F2" wait_until 10 piece_appeared
  key F3
  local running=$CASE_DIR/pause-running.png
  button_face "$PROBE" $PAUSE "$running"
  check "F3 pauses the game" look_until 10 paused face_differs $PAUSE "$running"
  # The look at the piece may have come a tick or two late.
  local ticks
  SCRIPT="new"
  for ticks in 1 2 3; do
    SCRIPT+=$'\ntick'
    SEEDS=($(matching_seeds "$PROBE" "$SCRIPT" "${SEED_CANDIDATES[@]}"))
    [ "${#SEEDS[@]}" -eq 0 ] || break
  done
  check "the game is one of the seeds' (${SEEDS[*]:-none})" test "${#SEEDS[@]}" -gt 0
  [ "${#SEEDS[@]}" -gt 0 ] || return
  expect_ticks "$SCRIPT" pause
  check "the paused game is the raster's" look_until 10 paused shows_expected
  SCRIPT+=$(tick_lines "$MATCHED_TICKS")$'\npause'
  local before=$SHOT

  options_open
  key alt+3
  key Return
  check "Enter is OK and closes the dialog" options_closed
  # No tick repaints the paused game: the new look is the dialog's doing.
  check "the window is the raster's picture of the flat look" \
    look_until 10 flat-look same_as_render "seed ${SEEDS[0]}"$'\n'"$SCRIPT"$'\nset 3Dtrelmo 0'
  check "the well changed its look" eval '! same_pictures "$before" "$SHOT"'
  check "trelmo.ini holds 3Dtrelmo=0" wait_until 10 flat_look_stored
  check "and the other flags unchanged" wait_until 10 other_flags_unchanged
  check "and ten score rows" wait_until 10 score_rows_empty
}
