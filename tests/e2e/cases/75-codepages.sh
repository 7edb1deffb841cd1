# The same texts on every Windows: under code page 1252 (English) and 932
# (Japanese) every text the program shows is the Chinese one, read back as
# Unicode by trelmo-probe and kept in screenshots; a Chinese name typed into
# the name box reads back as typed, and under 1252 is stored as its GBK bytes.
CASES+=" codepage_en codepage_ja"
CASE_LOCALES[codepage_en]=en_US.UTF-8
CASE_LOCALES[codepage_ja]=ja_JP.UTF-8

CODEPAGE_NAME="张三丰"

# has_texts TITLE "CLASS|TEXT"...: each line is among the window's texts.
has_texts() {
  local title=$1 texts want
  shift
  texts=$(probe texts "$title")
  for want in "$@"; do
    grep -qxF "$want" <<<"$texts" && continue
    log "     \"$title\" lacks $want; it shows: $(tr '\n' ';' <<<"$texts")"
    return 1
  done
}

codepage_en_before_launch() { write_losing_table; }
codepage_ja_before_launch() { write_losing_table; }

codepage_sheet() {
  shot sheet >/dev/null
  check "the sheet's page reads as Chinese" wait_until 10 has_texts "$SHEET_TITLE" "Static|作者：Pindle 工作室" \
    "Static|Pindle 工作室 保留所有权利。"
}
codepage_en_while_sheet() { codepage_sheet; }
codepage_ja_while_sheet() { codepage_sheet; }

# type_name TEXT: types TEXT over the selected name in "恭喜!" a character
# at a time, each until the box shows it (three tries). xdotool types a
# character outside the keyboard's map by mapping a spare key to it first;
# on a busy machine the key can reach Wine before the new map does, and the
# character is lost.
type_name() {
  local typed="" character try
  while IFS= read -r character; do
    for try in 1 2 3; do
      type_chars "$character"
      wait_until 5 has_texts "恭喜!" "Edit|$typed$character" && break
      log "     the name box did not take \"$character\" after \"$typed\" on try $try"
    done
    typed+=$character
  done < <(printf '%s' "$1" | LC_ALL=C.UTF-8 grep -o .)
  has_texts "恭喜!" "Edit|$1"
}

stored_name_is() { [[ "$(ini_value Player0)" == 0,*,"$(printf '%s' "$1" | iconv -f UTF-8 -t GBK)" ]]; }

codepage_case() {
  shot main >/dev/null
  check "the buttons read as Chinese" wait_until 10 has_texts Trelmo "Button|开始(F2)" "Button|暂停(F3)" "Button|选项(F4)"
  key F4
  check '"选项设定" opens' wait_until 10 window_named "选项设定"
  check "the options read as Chinese" wait_until 10 has_texts "选项设定" "Button|七种Trelmo(&S)" "Button|十一种Trelmo(&E)" \
    "Button|直接到底部(&D)" "Button|声音(&P)" "Button|确定(&O)"
  shot options >/dev/null
  sleep 0.5  # a dialog takes the keyboard a moment after it shows
  key Escape
  wait_until 5 window_gone "选项设定"
  key F2
  check '"恭喜!" opens' wait_until 10 window_named "恭喜!"
  check "the name box offers the overtaken row's name" wait_until 10 has_texts "恭喜!" "Edit|Anonymous"
  # OK has the focus; Tab selects the whole name in the box.
  sleep 0.5
  key Tab
  check "the typed name reads back as typed" type_name "$CODEPAGE_NAME"
  shot name >/dev/null
  key Return
  check 'OK shows "排行榜"' wait_until 10 window_named "排行榜"
  # The system's profile functions pass the file through the system's code
  # page: a single-byte one keeps every GBK byte; a double-byte one other
  # than GBK's (932 here) cannot hold every GBK pair.
  if [ "$1" = single-byte ]; then
    check "the name is stored as its GBK bytes" wait_until 10 stored_name_is "$CODEPAGE_NAME"
  fi
  sleep 0.5
  shot table >/dev/null
  key Return
  check "the table closes and the game starts" wait_until 10 window_gone "排行榜"
  sleep 0.5
  key F3
  check "the pause label reads as Chinese" wait_until 10 has_texts Trelmo "Button|继续(F3)"
  shot paused >/dev/null
}
case_codepage_en() { codepage_case single-byte; }
case_codepage_ja() { codepage_case double-byte; }
