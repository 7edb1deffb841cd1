# The settings file as players keep it. A read-only trelmo.ini stays as it
# was, and the first failed save tells the player which file could not be
# written, once a run; the game goes on. A trelmo.ini that links into a
# dotfiles folder stays a link, and the file it leads to is saved.
FRONT_CASES+=" save_notice save_link"

NOTICE_TITLE="保存失败"
KEPT_INI=$'[Settings]\r\n3Dtrelmo=1\r\n'

save_notice_before_launch() {
  mkdir -p "$(dirname "$(ini_file)")"
  printf '%s' "$KEPT_INI" >"$(ini_file)"
  chmod 0444 "$(ini_file)"
}

notice_shown() { visible_window_named "$NOTICE_TITLE"; }
ini_kept() { [ "$(cat "$(ini_file)"; echo .)" = "$KEPT_INI." ] && [ "$(stat -c %a "$(ini_file)")" = 444 ]; }

case_save_notice() {
  check "F4 opens \"$OPTIONS_TITLE\"" options_open
  key alt+3
  key Return
  check "a failed save shows \"$NOTICE_TITLE\"" wait_until 10 notice_shown
  shot notice >/dev/null
  check "the read-only trelmo.ini is left as it was" ini_kept
  key Return
  check "Enter closes the notice" wait_until 10 window_gone "$NOTICE_TITLE"
  check "and the options dialog" options_closed
  key F2
  check "the game goes on" wait_until 10 piece_appeared

  # The next failed save says nothing more.
  key F3
  check "F4 opens \"$OPTIONS_TITLE\" again" options_open
  key alt+3
  key Return
  check "the options dialog closes" options_closed
  check "without a second notice" settled 3 eval '! notice_shown'
  check "trelmo.ini is still as it was" ini_kept
}

save_link_before_launch() {
  mkdir -p "$CASE_DIR/dotfiles" "$(dirname "$(ini_file)")"
  printf '%s' "$KEPT_INI" >"$CASE_DIR/dotfiles/trelmo.ini"
  ln -s "$CASE_DIR/dotfiles/trelmo.ini" "$(ini_file)"
}

link_kept() { [ -L "$(ini_file)" ] && [ "$(readlink "$(ini_file)")" = "$CASE_DIR/dotfiles/trelmo.ini" ]; }
target_saved() { grep -q $'^3Dtrelmo=0\r$' "$CASE_DIR/dotfiles/trelmo.ini" 2>/dev/null; }

case_save_link() {
  check "F4 opens \"$OPTIONS_TITLE\"" options_open
  key alt+3
  key Return
  check "OK closes the dialog" options_closed
  check "the file the link leads to holds the new option" wait_until 10 target_saved
  check "trelmo.ini is still the link" link_kept
  check "and nothing else was left beside it" test "$(ls -A "$(dirname "$(ini_file)")")" = trelmo.ini
  check "no notice was shown" eval '! notice_shown'
}
