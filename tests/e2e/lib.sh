# Helpers of the end-to-end tests, for either front end: one Xvfb display
# per case, input with xdotool, read-back with screenshots compared with
# trelmo-sim's pictures. What differs between trelmo.exe under Wine and the
# Linux program (starting, stopping, where the settings file lives) is in
# front_wine.sh and front_gtk.sh. Sourced by run.sh.

# From the program's own layout (trelmo-sim's layout verb): the client size,
# the rectangles (left,top right,bottom, inclusive) that the software raster
# does not paint, the five label texts and the seven buttons, the buttons
# in creation order as x y width height, the well's picture area and the
# counters' boxes.
LABEL_MASKS=() BUTTON_MASKS=() BUTTONS=()
declare -A COUNTERS  # the counters' boxes by name (score, lines, speed, startrows), as x y w h
while read -r kind name x0 y0 x1 y1; do
  case $kind in
    client) CLIENT_W=$x1 CLIENT_H=$y1 ;;
    label) LABEL_MASKS+=("$x0,$y0 $((x1 - 1)),$((y1 - 1))") ;;
    button)
      BUTTON_MASKS+=("$x0,$y0 $((x1 - 1)),$((y1 - 1))")
      BUTTONS+=("$x0 $y0 $((x1 - x0)) $((y1 - y0))")
      ;;
    well) WELL="$x0 $y0 $((x1 - x0)) $((y1 - y0))" ;;
    counter) COUNTERS[$name]="$x0 $y0 $((x1 - x0)) $((y1 - y0))" ;;
  esac
done < <(echo layout | "$SIM")
SPEED_UP=0 SPEED_DOWN=1 ROWS_UP=2 ROWS_DOWN=3 START=4 PAUSE=5 OPTIONS=6

# Quiet while a wait is still looking (QUIET_LOOK, set by wait_until): a
# check that fails tells only what its last look saw.
log() { [ -n "${QUIET_LOOK:-}" ] || printf '    %s\n' "$*"; }

# check DESCRIPTION COMMAND...: one assertion of the running case.
check() {
  local what=$1
  shift
  if "$@"; then
    log "ok   $what"
  else
    log "FAIL $what"
    CASE_FAILED=1
    shot failed >/dev/null  # what the desktop showed then
  fi
}

# wait_until SECONDS COMMAND...: polls every 0.2 s until COMMAND holds;
# false when it still fails at one last look after the time is up. Every
# check of the screen, a window or a file after an action waits this way
# (look_until for screenshots): how soon the program gets there depends on
# the machine and its load.
wait_until() {
  local deadline=$((SECONDS + $1)) outer_quiet=${QUIET_LOOK:-}
  shift
  QUIET_LOOK=1
  while [ "$SECONDS" -lt "$deadline" ]; do
    if "$@"; then
      QUIET_LOOK=$outer_quiet
      return 0
    fi
    sleep 0.2
  done
  QUIET_LOOK=$outer_quiet
  "$@"
}

# look_until SECONDS NAME TEST [ARGS...]: screenshots until TEST SHOT ARGS...
# holds (wait_until); the last one is kept as shot NAME, its path in SHOT,
# for further checks of the same screen.
look_until() {
  local limit=$1 name=$2 status
  shift 2
  wait_until "$limit" look_shows "$@"
  status=$?
  SHOT=$(shot_file "$name")
  cp "$CASE_DIR/look.png" "$SHOT" 2>/dev/null
  return "$status"
}
look_shows() {
  import -display ":$CASE_DISPLAY" -window root "$CASE_DIR/look.png" 2>/dev/null || return 1
  "$1" "$CASE_DIR/look.png" "${@:2}"
}

# settled SECONDS COMMAND...: a check that something did NOT happen waits
# that long first, for the program to have done it if it would.
settled() {
  sleep "$1"
  shift
  "$@"
}

# CASE_SCREENS: a case's own screen size (Xvfb's WIDTHxHEIGHTxDEPTH), where
# 1024 x 768 is too small.
declare -A CASE_SCREENS
# start_case NAME: a display of its own and what the front end needs on it
# (front_prepare_case), then the program; true once the window has painted.
start_case() {
  CASE_NAME=$1
  CASE_DIR=$WORK/$CASE_NAME
  CASE_FAILED=0
  CASE_LOCALE=${CASE_LOCALES[$CASE_NAME]:-$WINE_LOCALE}
  rm -rf "$CASE_DIR"
  mkdir -p "$CASE_DIR"
  # No key repeat: under load a key held between xdotool's press and release
  # would repeat, and a second Space or Return answers the next dialog.
  XVFB_SCREEN=${CASE_SCREENS[$CASE_NAME]:-} xvfb_start -r || return 1
  CASE_DISPLAY=${XVFB_DISPLAY#:}
  front_prepare_case || return 1
  local launched
  launched=$(date +%s)
  if declare -F "${CASE_NAME}_before_launch" >/dev/null; then "${CASE_NAME}_before_launch"; fi
  launch_trelmo
  # Start-up opens the information sheet before the game takes any input;
  # a case may look at it before it is closed.
  wait_until 40 window_named "$SHEET_TITLE" || return 1
  front_window_found || return 1
  if declare -F "${CASE_NAME}_while_sheet" >/dev/null; then "${CASE_NAME}_while_sheet"; fi
  close_sheet || return 1
  look_until 20 painted client_painted || return 1
  # The program seeds its generator with the time at window creation.
  SEED_CANDIDATES=($(seq $((launched - 1)) $(($(date +%s) + 1))))
}

# The start screen: the client area before the first game is the raster's,
# with no game to pause and speed and rows at their minimum.
BUTTON_NAMES=("speed +" "speed -" "rows +" "rows -" "start button" "pause button" "options button")
START_LIVE=($START $OPTIONS $SPEED_UP $ROWS_UP) START_DEAD=($PAUSE $SPEED_DOWN $ROWS_DOWN)
start_screen_shown() {
  local b
  same_as_render "$1" "" || return 1
  for b in "${START_LIVE[@]}"; do button_enabled "$1" "$b" || return 1; done
  for b in "${START_DEAD[@]}"; do button_disabled "$1" "$b" || return 1; done
}
# check_start_screen: waits for the start screen, then checks each part of
# the last look (left in SHOT).
check_start_screen() {
  QUIET_LOOK=1 look_until 10 start start_screen_shown  # the checks below tell
  local b
  check "client area equals the raster's start screen" same_as_render "$SHOT" ""
  for b in "${START_LIVE[@]}"; do check "${BUTTON_NAMES[$b]} enabled" button_enabled "$SHOT" "$b"; done
  for b in "${START_DEAD[@]}"; do check "${BUTTON_NAMES[$b]} disabled" button_disabled "$SHOT" "$b"; done
}

# shot [NAME]: a screenshot of the whole desktop; prints its path.
shot() {
  local file
  file=$(shot_file "${1:-shot}")
  import -display ":$CASE_DISPLAY" -window root "$file" 2>/dev/null
  echo "$file"
}
# The next numbered screenshot's path in the case's folder.
shot_file() {
  local n
  n=$(ls "$CASE_DIR" | grep -c '^[0-9][0-9]*-')
  echo "$CASE_DIR/$(printf '%02d' $((n + 1)))-$1.png"
}

# The client area of a screenshot, as a 479 x 340 picture.
client_of() { convert "$1" -crop "${CLIENT_W}x${CLIENT_H}+$CLIENT_X+$CLIENT_Y" +repage "$2"; }

# pixel FILE X Y: "r,g,b" of a screen pixel.
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r+.5)],%[fx:int(255*p{$2,$3}.g+.5)],%[fx:int(255*p{$2,$3}.b+.5)]" info:; }
# CLIENT_SCALE: screen pixels a client pixel takes each way: a desktop
# scale (GDK_SCALE), or the screen's DPI over 96 under Wine, which may be a
# fraction (1.5 at 144 DPI). to_screen N: N client pixels in screen pixels,
# rounded down; screen_centre N: the screen pixel under client pixel N's
# centre, which shows that pixel alone even at a fractional scale.
to_screen() { awk -v n="$1" -v k="${CLIENT_SCALE:-1}" 'BEGIN { printf "%d\n", n * k }'; }
screen_centre() { awk -v n="$1" -v k="${CLIENT_SCALE:-1}" 'BEGIN { printf "%d\n", (n + 0.5) * k }'; }
client_pixel() { pixel "$1" $((CLIENT_X + $(screen_centre "$2"))) $((CLIENT_Y + $(screen_centre "$3"))); }

# client_painted SHOT: the well frame's grey corner, the black well and the
# start button's label (live in every state) are on screen.
client_painted() {
  [ "$(client_pixel "$1" 130 5)" = "128,128,128" ] && [ "$(client_pixel "$1" 200 200)" = "0,0,0" ] &&
    button_enabled "$1" $START
}

# masked FILE OUT: the client picture with labels and buttons blanked.
mask_args() {
  local r
  for r in "${LABEL_MASKS[@]}" "${BUTTON_MASKS[@]}"; do printf -- '-draw\nrectangle %s\n' "$r"; done
}
masked() {
  local args=()
  mapfile -t args < <(mask_args)
  convert "$1" -fill '#ff00ff' "${args[@]}" "$2"
}

# differing_pixels A B: how many pixels of two same-sized pictures differ.
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 | sed 's/ .*//'; }

# The label and button masks in screen pixels at CLIENT_SCALE: every screen
# pixel that shows any part of a masked client pixel.
scaled_mask_args() {
  mask_args | awk -F'[ ,]' -v k="${CLIENT_SCALE:-1}" '
    function ceil(v) { return v == int(v) ? v : int(v) + 1 }
    /^rectangle/ { printf "rectangle %d,%d %d,%d\n", k*$2, k*$3, ceil(k*($4+1))-1, ceil(k*($5+1))-1; next }
    { print }'
}
# shows_scaled SHOT [SCRIPT]: the screenshot's client area, outside the
# labels and buttons, is trelmo-sim's picture of the state SCRIPT leaves
# (the start screen without one) with every pixel a square of CLIENT_SCALE
# x CLIENT_SCALE, a whole number.
shows_scaled() {
  local base=$CASE_DIR/scaled args=() n k=$CLIENT_SCALE
  mapfile -t args < <(scaled_mask_args)
  convert "$1" -crop "$((k * CLIENT_W))x$((k * CLIENT_H))+$CLIENT_X+$CLIENT_Y" +repage \
    -fill '#ff00ff' "${args[@]}" "$base-shot.png" || return 1
  render "${2:-}" "$base-sim.bmp" && convert "$base-sim.bmp" -sample "$((100 * k))%" -fill '#ff00ff' "${args[@]}" "$base-sim.png" ||
    return 1
  n=$(differing_pixels "$base-shot.png" "$base-sim.png")
  [ "$n" = 0 ] || log "     $n screen pixels differ from the render scaled by $k${2:+ of: $(echo "$2" | tr '\n' ';')}"
  [ "$n" = 0 ]
}

# render SCRIPT OUT: trelmo-sim runs the script and renders its last state.
render() {
  printf '%s\nrender %s\n' "$1" "$2" | "$SIM" >/dev/null
}

# same_as_render SHOT SCRIPT: the screenshot's client area, outside the
# masks, equals trelmo-sim's picture of the state the script leaves.
same_as_render() {
  local base=$CASE_DIR/cmp
  client_of "$1" "$base-shot.png" && masked "$base-shot.png" "$base-shot-m.png" || return 1
  render "$2" "$base-sim.bmp" && masked "$base-sim.bmp" "$base-sim-m.png" || return 1
  local n
  n=$(differing_pixels "$base-shot-m.png" "$base-sim-m.png")
  [ "$n" = 0 ] || log "     $n pixels differ from the render of: $(echo "$2" | tr '\n' ';')"
  [ "$n" = 0 ]
}

# matching_seeds SHOT SCRIPT SEED...: the seeds whose game, driven by
# SCRIPT, shows exactly the screenshot (outside the masks).
matching_seeds() {
  local shotfile=$1 script=$2 s n
  shift 2
  local base=$CASE_DIR/seed
  client_of "$shotfile" "$base-shot.png" && masked "$base-shot.png" "$base-shot-m.png" || return 1
  for s in "$@"; do
    render "seed $s
$script" "$base-sim.bmp" || continue
    masked "$base-sim.bmp" "$base-sim-m.png"
    n=$(differing_pixels "$base-shot-m.png" "$base-sim-m.png")
    [ "$n" = 0 ] && echo "$s"
  done
}

# masked_hashes [-crop GEOMETRY] PICTURE...: for each picture (cut to the
# client area first), a hash of its pixels with labels and buttons
# blanked: equal pictures, equal hashes.
masked_hashes() {
  local args=() crop=()
  [ "$1" = -crop ] && crop=(-crop "$2" +repage) && shift 2
  mapfile -t args < <(mask_args)
  convert "$@" "${crop[@]}" -fill '#ff00ff' "${args[@]}" -format '%#\n' info:
}

# expect_ticks SCRIPT [TOGGLE]: what a look may show of the game that SCRIPT
# drives, for each seed of SEEDS, after some more ticks (and then the line
# TOGGLE, such as pause, which given again undoes it). Rendered and hashed
# as the looks come, up to the ticks that gravity (a tick a second at level
# 0) may have made since the screen last showed SCRIPT's game
# (SCRIPT_SEEN_AT, in seconds), and kept: nothing delays the input.
expect_ticks() {
  EXPECT_SCRIPT=$1 EXPECT_TOGGLE=${2:-} EXPECT_TICKS=0 EXPECTED=()
  EXPECT_SINCE=${SCRIPT_SEEN_AT:-${EPOCHREALTIME%.*}}
}
# expect_up_to N: the pictures after up to N ticks (at most 30) are hashed,
# one trelmo-sim run and one hashing for each seed.
expect_up_to() {
  local last=$(($1 < 30 ? $1 : 30)) s k script files hashes i
  [ "$EXPECT_TICKS" -le "$last" ] || return 0
  for s in "${SEEDS[@]}"; do
    script="seed $s"$'\n'"$EXPECT_SCRIPT$(tick_lines "$EXPECT_TICKS")" files=()
    for ((k = EXPECT_TICKS; k <= last; k++)); do
      files+=("$CASE_DIR/expect-$k.bmp")
      script+=${EXPECT_TOGGLE:+$'\n'$EXPECT_TOGGLE}$'\nrender '"$CASE_DIR/expect-$k.bmp"${EXPECT_TOGGLE:+$'\n'$EXPECT_TOGGLE}$'\ntick'
    done
    printf '%s\n' "$script" | "$SIM" >/dev/null || continue
    hashes=($(masked_hashes "${files[@]}"))
    for i in "${!hashes[@]}"; do EXPECTED+=("${hashes[$i]} $((EXPECT_TICKS + i))"); done
  done
  EXPECT_TICKS=$((last + 1))
}
# shows_expected SHOT: the screen is one of those; MATCHED_TICKS says after
# how many ticks.
shows_expected() {
  local hash e seen_at=${EPOCHREALTIME%.*}
  hash=$(masked_hashes -crop "${CLIENT_W}x${CLIENT_H}+$CLIENT_X+$CLIENT_Y" "$1") || return 1
  expect_up_to $((seen_at - EXPECT_SINCE + 3))
  for e in "${EXPECTED[@]}"; do
    [ "${e% *}" = "$hash" ] && MATCHED_TICKS=${e##* } && SCRIPT_SEEN_AT=$seen_at && return 0
  done
  log "     no seed of ${SEEDS[*]} gives this screen after up to $((EXPECT_TICKS - 1)) ticks"
  return 1
}
# tick_lines N: N lines "tick" of a script, each after a line break.
tick_lines() { local i; for ((i = 0; i < $1; i++)); do printf '\ntick'; done; }

# sim_dump SCRIPT: trelmo-sim's state dump after the script.
sim_dump() { printf '%s\ndump\n' "$1" | "$SIM"; }

# Xdotool on the case's display; coordinates are client pixels.
xdo() { DISPLAY=":$CASE_DISPLAY" xdotool "$@"; }
key() { xdo key --delay 80 "$@"; }
type_chars() { xdo type --delay 120 "$1"; }
click_client() { xdo mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2)) click "$3"; }
click_screen() { xdo mousemove "$1" "$2" click "$3"; }

# dark_pixels PICTURE [CROP]: how many pixels (of that part) are dark in
# every channel, as text is.
dark_pixels() {
  convert "$1" ${2:+-crop "$2" +repage} \
    -channel RGB -separate -evaluate-sequence max -threshold 39% -format '%[fx:int(w*h*(1-mean)+.5)]' info:
}
# text_extent PICTURE CROP: "WxH", the extent of the dark pixels in that
# part of the picture ("1x1" when there are none).
text_extent() {
  convert "$1" -crop "$2" +repage -channel RGB -separate -evaluate-sequence max -threshold 39% -negate -trim \
    -format '%wx%h' info: 2>/dev/null
}
# How many dark pixels the face of a button shows: its text is black while
# it is enabled, and grey with a white shadow while it is disabled.
button_dark_pixels() {
  local b=(${BUTTONS[$2]})
  dark_pixels "$1" "$(to_screen $((b[2] - 6)))x$(to_screen $((b[3] - 6)))+$((CLIENT_X + $(to_screen $((b[0] + 3)))))+$((CLIENT_Y + $(to_screen $((b[1] + 3)))))"
}
button_enabled() { [ "$(button_dark_pixels "$1" "$2")" -gt 0 ]; }
button_disabled() { [ "$(button_dark_pixels "$1" "$2")" -eq 0 ]; }

# The face of a button as its own picture, to compare labels.
button_face() {
  local b=(${BUTTONS[$2]})
  convert "$1" -crop "$((b[2] - 6))x$((b[3] - 6))+$((CLIENT_X + b[0] + 3))+$((CLIENT_Y + b[1] + 3))" +repage "$3"
}

# same_region_as_render SHOT SCRIPT X Y W H: one client block of the
# screenshot equals the same block of trelmo-sim's picture.
same_region_as_render() {
  local base=$CASE_DIR/region n
  client_of "$1" "$base-shot.png" || return 1
  render "$2" "$base-sim.bmp" || return 1
  convert "$base-shot.png" -crop "$5x$6+$3+$4" +repage "$base-shot-c.png"
  convert "$base-sim.bmp" -crop "$5x$6+$3+$4" +repage "$base-sim-c.png"
  n=$(differing_pixels "$base-shot-c.png" "$base-sim-c.png")
  [ "$n" = 0 ] || log "     $n pixels of the block differ"
  [ "$n" = 0 ]
}

# same_pictures A B: two pictures are pixel for pixel the same.
same_pictures() { [ "$(differing_pixels "$1" "$2")" = 0 ]; }
# screen_is PICTURE: a screenshot now is that earlier one.
screen_is() { same_pictures "$(shot now)" "$1"; }

# The well's picture area of a screenshot.
well_of() {
  local w=($WELL)
  convert "$1" -crop "${w[2]}x${w[3]}+$((CLIENT_X + w[0]))+$((CLIENT_Y + w[1]))" +repage "$2"
}

# well_frozen SECONDS: the well shows the same picture over that time.
well_frozen() {
  well_of "$(shot frozen-before)" "$CASE_DIR/well-a.png"
  sleep "$1"
  well_of "$(shot frozen-after)" "$CASE_DIR/well-b.png"
  same_pictures "$CASE_DIR/well-a.png" "$CASE_DIR/well-b.png"
}

# well_moving SECONDS: the well's picture changes within that time.
well_moving() {
  well_of "$(shot moving-before)" "$CASE_DIR/well-a.png"
  local deadline=$((SECONDS + $1))
  while [ "$SECONDS" -le "$deadline" ]; do
    sleep 0.3
    well_of "$(shot moving-after)" "$CASE_DIR/well-b.png"
    same_pictures "$CASE_DIR/well-a.png" "$CASE_DIR/well-b.png" || return 0
  done
  return 1
}

# face_is SHOT BUTTON PICTURE / face_differs: the button's face against a
# face saved earlier.
face_is() { button_face "$1" "$2" "$CASE_DIR/face.png" && same_pictures "$CASE_DIR/face.png" "$3"; }
face_differs() { ! face_is "$@"; }
# part_settled SHOT CUTTER WHICH PICTURE: CUTTER SHOT WHICH OUT cuts one
# part of the screenshot (button_face, window_picture); true once the part
# is the same as at the look before, kept in PICTURE: it has painted, and
# any fade between states (GTK's buttons have them) is over.
part_settled() {
  "$2" "$1" "$3" "$4.new" || return 1
  [ -e "$4" ] && same_pictures "$4.new" "$4" && return 0
  mv "$4.new" "$4"
  return 1
}
# save_pause_face NAME PICTURE: the live pause button's settled face.
save_pause_face() {
  rm -f "$2"
  look_until 10 "$1" pause_face_settled "$2"
}
pause_face_settled() { button_enabled "$1" $PAUSE && part_settled "$1" button_face $PAUSE "$2"; }
# After F2 the pause button turns live: its face then is the running
# game's label.
save_running_pause_face() { save_pause_face new-game "$1"; }

# Windows found by their exact title (xdotool reads it as UTF-8).
SHEET_TITLE="Trelmo信息"
# windows_named TITLE [SEARCH-OPTION...]: their ids. Xdotool's search
# ignores case, and GTK names its tooltips after the program ("trelmo").
windows_named() {
  local id title=$1
  shift
  for id in $(xdo search "$@" --name "^$title\$" 2>/dev/null); do
    [ "$(xdo getwindowname "$id" 2>/dev/null)" = "$title" ] && echo "$id"
  done
}
window_named() { [ -n "$(windows_named "$1")" ]; }
window_gone() { ! window_named "$1"; }
visible_window_named() { [ -n "$(windows_named "$1" --onlyvisible)" ]; }
# "x y width height" of the window with that title.
window_geometry() {
  local id
  id=$(windows_named "$1" --onlyvisible | head -1)
  [ -n "$id" ] || return 1
  # xwininfo, since xdotool counts the offset of Wine's desktop twice.
  DISPLAY=":$CASE_DISPLAY" xwininfo -id "$id" |
    awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2} /Width/{w=$2} /Height/{h=$2} END{print x+0, y+0, w+0, h+0}'
}
# The picture of one window, cut from a screenshot.
window_picture() {
  local g
  g=($(window_geometry "$2")) || return 1
  convert "$1" -crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" +repage "$3"
}
# Enter presses the sheet's OK button.
close_sheet() {
  key Return
  wait_until 10 window_gone "$SHEET_TITLE"
}

# One key's value in the settings file (ini_file, the front end's).
ini_value() { sed -n "s/^$1=//p" "$(ini_file)" 2>/dev/null | tr -d '\r'; }
# The ten rows of the top-ten table are empty ones.
score_rows_empty() { [ "$(grep -c '^Player[0-9]=0,0,Anonymous' "$(ini_file)" 2>/dev/null)" = 10 ]; }
# A settings file whose ten rows score -1: the score of 0 of any game,
# even the one before the first that F2 offers, takes a place.
write_losing_table() {
  mkdir -p "$(dirname "$(ini_file)")"
  { echo "[Score]"; for i in $(seq 0 9); do echo "Player$i=-1,0,Anonymous"; done; } >"$(ini_file)"
}

# How many strongly coloured pixels a picture holds: the program's icon is
# the only coloured thing on the sheet's pages.
coloured_pixels() {
  convert "$1" -colorspace HSL -channel G -separate +channel -threshold 50% -format '%[fx:int(w*h*mean+.5)]' info:
}
# The About page shows the program's icon at the left of the page.
sheet_icon_zone() {
  local g
  g=($(window_geometry "$SHEET_TITLE")) || return 1
  convert "$1" -crop "60x60+$((g[0] + 20))+$((g[1] + 60))" +repage "$2"
}
sheet_shows_about() {
  sheet_icon_zone "$1" "$CASE_DIR/sheet-icon.png" && [ "$(coloured_pixels "$CASE_DIR/sheet-icon.png")" -gt 50 ]
}
# Any other page has text where the About page has its icon.
sheet_shows_other_page() {
  sheet_icon_zone "$1" "$CASE_DIR/sheet-icon.png" && [ "$(coloured_pixels "$CASE_DIR/sheet-icon.png")" -eq 0 ] &&
    [ "$(dark_pixels "$CASE_DIR/sheet-icon.png")" -gt 20 ]
}
