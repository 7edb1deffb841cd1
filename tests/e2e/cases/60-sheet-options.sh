# The key page of the information sheet, and the options dialog: Esc and
# Cancel change and write nothing; OK stores the flags in the prefix's
# trelmo.ini and repaints the well in the new look before it closes.
CASES+=" options"

OPTIONS_TITLE="选项设定"

options_open() {
  key F4
  wait_until 10 window_named "$OPTIONS_TITLE"
}
options_closed() { wait_until 5 window_gone "$OPTIONS_TITLE"; }
no_settings_file() { [ ! -e "$(ini_file)" ]; }

# pause_matches SHOT: the screen is SCRIPT's game after some more ticks and
# then the pause; those ticks join SCRIPT.
pause_matches() {
  local t ticks=""
  for t in 0 1 2 3 4; do
    if [ -n "$(matching_seeds "$1" "$SCRIPT$ticks"$'\npause' "${SEEDS[@]}")" ]; then
      SCRIPT+="$ticks"$'\npause'
      return 0
    fi
    ticks+=$'\ntick'
  done
  return 1
}

case_options() {
  key F7
  check "F7 opens \"$SHEET_TITLE\"" wait_until 10 window_named "$SHEET_TITLE"
  sleep 0.5
  check "on the key page, not the About page" sheet_shows_other_page "$(shot key-page)"
  check "Enter closes the sheet" close_sheet

  check "F4 opens \"$OPTIONS_TITLE\"" options_open
  shot options-dialog >/dev/null
  key alt+3
  key Escape
  check "Esc closes the dialog" options_closed
  check "Esc writes nothing" no_settings_file
  options_open
  key alt+3 alt+p
  key alt+c
  check "Cancel closes the dialog" options_closed
  check "Cancel writes nothing" no_settings_file

  # A paused game, so the well holds still while the look changes.
  SCRIPT="new"$'\n'
  key F2
  sleep 0.3
  check "a piece appears after F2" wait_until 5 piece_appeared
  SCRIPT+="tick"
  SEEDS=($(matching_seeds "$PROBE" "$SCRIPT" "${SEED_CANDIDATES[@]}"))
  check "the game is one of the seeds' (${SEEDS[*]:-none})" test "${#SEEDS[@]}" -gt 0
  [ "${#SEEDS[@]}" -gt 0 ] || return
  key F3
  sleep 0.3
  local before
  before=$(shot paused)
  check "the paused game is the raster's" pause_matches "$before"

  options_open
  key alt+3
  key Return
  check "Enter is OK and closes the dialog" options_closed
  local after
  after=$(shot flat-look)
  check "the well changed its look at once" eval '! same_pictures "$before" "$after"'
  check "the window is the raster's picture of the flat look" same_as_render "$after" "seed ${SEEDS[0]}"$'\n'"$SCRIPT"$'\nset 3Dtrelmo 0'
  check "trelmo.ini holds 3Dtrelmo=0" test "$(ini_value 3Dtrelmo)" = 0
  check "and the other flags unchanged" test "$(ini_value DropStyle)$(ini_value Style)$(ini_value Sound)$(ini_value Preview)$(ini_value Inverse)$(ini_value RotateDir)" = 111110
  check "and ten score rows" test "$(grep -c '^Player[0-9]=0,0,Anonymous' "$(ini_file)")" = 10
}
