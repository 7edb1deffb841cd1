# trelmo.exe on a screen of more dots per inch (Wine's LogPixels, set in the
# case's prefix before the program starts): the client area grows with the
# DPI's scale and shows the same game, at 192 DPI with every pixel a 2 x 2
# square and at 144 reduced by area to 1.5 times; the labels are drawn at
# the screen's resolution, the mouse finds the logo and the well at their
# new places, and the dialogs grow with their font with nothing cut off.
# Hidden, the window's icon in the notification area is the picture of the
# small icon's size at the scale, with no stray pixel (also at 120 DPI).
# Wine's front end only: the Linux program's scales are native/40-scale.sh.
CASES+=" dpi_192 dpi_288 dpi_144 dpi_120"
# Each on a screen of the DPI's scale of the other cases' 1024 x 768, as a
# monitor of that resolution would be: the same desktop to a player.
CASE_SCREENS[dpi_192]=2048x1536x24
CASE_SCREENS[dpi_288]=3072x2304x24
CASE_SCREENS[dpi_144]=1536x1152x24
CASE_SCREENS[dpi_120]=1280x960x24

# The regions of the mouse (trelmo-sim's layout), as left top right bottom.
declare -A MOUSE_REGIONS
while read -r kind name x0 y0 x1 y1; do
  [ "$kind" = region ] && MOUSE_REGIONS[$name]="$x0 $y0 $x1 $y1"
done < <(echo layout | "$SIM")

# The client areas of the three dialogs at 96 DPI, as Wine lays them out
# from their templates and the prefix's dialog font (WenQuanYi Micro Hei):
# at another DPI they take about the DPI's scale of these.
SHEET_AT_96="407 339" OPTIONS_AT_96="313 208" TABLE_AT_96="361 317"
OPTIONS_TITLE="选项设定" TABLE_TITLE="排行榜"

dpi_is() {
  local seen
  seen=$(probe dpi)
  [ "$seen" = "$1 $1" ] || { log "     the system's DPI and the screen's LOGPIXELSX: ${seen:-none}"; return 1; }
}

# near A B SLACK: two numbers at most SLACK apart.
near() { [ $(($1 > $2 ? $1 - $2 : $2 - $1)) -le "$3" ]; }
# client_area_is W H: the main window's client area (read_client_area,
# which also sets the client origin) is W x H, give or take a pixel.
client_area_is() {
  read_client_area || { log "     no main window"; return 1; }
  local a=($CLIENT_AREA)
  near "${a[0]}" "$1" 1 && near "${a[1]}" "$2" 1 || { log "     the client area is ${a[0]} x ${a[1]}"; return 1; }
}

# The screen's size, from the case's Xvfb.
screen_size() { local s=${CASE_SCREENS[$CASE_NAME]:-1024x768x24}; s=${s%x*}; echo "${s/x/ }"; }

# window_centred: the main window (frame included, as X has it) is
# centred across the screen, give or take two pixels, and from top to
# bottom lies wholly on the screen, centred or raised a little above the
# centre, as at 96 DPI (by 19 pixels there, here by at most 25 a scale).
window_centred() {
  local g s raise k=${CLIENT_SCALE:-1}
  g=($(window_geometry Trelmo)) || return 1
  s=($(screen_size))
  raise=$((s[1] / 2 - (g[1] + g[3] / 2)))
  if near $((2 * g[0] + g[2])) "${s[0]}" 4 && [ "${g[1]}" -ge 0 ] && [ $((g[1] + g[3])) -le "${s[1]}" ] &&
    [ "$raise" -ge 0 ] && [ "$raise" -le "$(to_screen 25)" ]; then
    return 0
  fi
  log "     the window is ${g[2]} x ${g[3]} at (${g[0]}, ${g[1]}) on a ${s[0]} x ${s[1]} screen"
  return 1
}

# check_dialog TITLE NAME SIZE-AT-96: the dialog, open, has grown with the
# DPI's scale (between 0.875 and 1.125 times it, each way: its font does not
# scale exactly), lies on the screen, and every control it shows lies
# inside its client area.
check_dialog() {
  local rects=$CASE_DIR/rects-$2.txt at96=($3) k=${CLIENT_SCALE:-1}
  check "$2 is open" wait_until 10 window_named "$1"
  dialog_rects "$1" >"$rects"
  check "$2 has grown with the scale of $k from ${at96[0]} x ${at96[1]}" dialog_grown "$rects" "${at96[@]}"
  check "$2 lies on the screen" dialog_on_screen "$rects"
  check "every control of $2 lies inside its client area" controls_inside "$rects"
}
dialog_grown() {
  local c
  c=($(sed -n 's/^client //p' "$1"))
  [ "${#c[@]}" = 4 ] && grown "$((c[2] - c[0]))" "$2" && grown "$((c[3] - c[1]))" "$3" && return 0
  log "     its client area is $((c[2] - c[0])) x $((c[3] - c[1]))"
  return 1
}
grown() { awk -v n="$1" -v at96="$2" -v k="${CLIENT_SCALE:-1}" 'BEGIN { exit !(n >= 0.875 * k * at96 && n <= 1.125 * k * at96) }'; }
dialog_on_screen() {
  local s=($(screen_size)) c
  c=($(sed -n 's/^client //p' "$1"))
  [ "${#c[@]}" = 4 ] && [ "${c[0]}" -ge 0 ] && [ "${c[1]}" -ge 0 ] && [ "${c[2]}" -le "${s[0]}" ] &&
    [ "${c[3]}" -le "${s[1]}" ] && return 0
  log "     its client area runs from (${c[0]:-?}, ${c[1]:-?}) to (${c[2]:-?}, ${c[3]:-?})"
  return 1
}
controls_inside() {
  local outside
  outside=$(awk -F'|' '
    NR == 1 { split($0, c, " "); next }
    { split($3, r, " "); n++ }
    r[1] < c[2] || r[2] < c[3] || r[3] > c[4] || r[4] > c[5] { printf "%s \"%s\" at %s; ", $1, $2, $3 }
    END { if (n == 0) print "no controls" }' "$1")
  [ -z "$outside" ] || { log "     outside $(head -1 "$1"): $outside"; return 1; }
}

# The pointer as the X server shows it (trelmo-xprobe, from trelmo-sim's
# tree), against the hand of media/artwork.cpp at the DPI's whole scale:
# Wine makes a cursor that size, every pixel of it a K x K square, its hot
# spot still in the top-left corner.
x_pointer() { DISPLAY=":$CASE_DISPLAY" "$(dirname "$SIM")/../../tests/e2e/xprobe/trelmo-xprobe" cursor; }
hand_at_scale() {
  sed -n '/kHandCursor = {/,/};/s/^ *"\(.*\)",$/\1/p' "$top/media/artwork.cpp" |
    awk -v k="$1" '{ line = ""; for (i = 1; i <= length($0); i++) for (j = 0; j < k; j++) line = line substr($0, i, 1)
                     for (j = 0; j < k; j++) print line }'
}
hand_shown() {
  local image want
  image=$(x_pointer) || return 1
  want=$(hand_at_scale "$CLIENT_SCALE")
  [ "$(echo "$image" | head -n 1)" = "hot 0 0" ] &&
    [ "$(echo "$image" | sed -n "2,$(($(echo "$want" | wc -l) + 1))p" | cut -c1-$((16 * CLIENT_SCALE)))" = "$want" ]
}
hand_not_shown() { ! hand_shown; }

# Client points in screen pixels at the scale: the middle of a mouse region,
# and the screen point under a client point.
region_middle() { local r=(${MOUSE_REGIONS[$1]}); echo "$(((r[0] + r[2]) / 2)) $(((r[1] + r[3]) / 2))"; }
scaled_point() { echo "$((CLIENT_X + $(screen_centre "$1"))) $((CLIENT_Y + $(screen_centre "$2")))"; }
point_at() { xdo mousemove $(scaled_point "$1" "$2"); }
click_at() { xdo mousemove $(scaled_point "$1" "$2") click "$3"; }

# The texts of the five labels and of the start and options buttons: the
# screen blocks that hold them at the scale (the label boxes, the buttons'
# faces inside their edges), and the extents of their dark pixels at 96 DPI
# in the prefix's fonts (the startup case checks these). At another DPI a
# text is drawn at the screen's resolution in a font of the DPI's size:
# about the scale of its extent each way, within a fifth.
TEXT_EXTENTS_AT_96=(34x12 23x12 23x12 23x13 45x13 41x13 41x13)
text_blocks() {
  local r b
  {
    for r in "${LABEL_MASKS[@]}"; do echo "${r//,/ }"; done
    for b in $START $OPTIONS; do
      b=(${BUTTONS[$b]})
      echo "$((b[0] + 3)) $((b[1] + 3)) $((b[0] + b[2] - 4)) $((b[1] + b[3] - 4))"
    done
  } | awk -v k="${CLIENT_SCALE:-1}" -v x="$CLIENT_X" -v y="$CLIENT_Y" \
    '{ printf "%dx%d+%d+%d\n", k * ($3 - $1 + 1), k * ($4 - $2 + 1), x + k * $1, y + k * $2 }'
}
texts_at_scale() {
  local blocks=($(text_blocks)) i seen want wrong=""
  for i in "${!blocks[@]}"; do
    seen=$(text_extent "$1" "${blocks[$i]}") want=${TEXT_EXTENTS_AT_96[$i]}
    awk -v seen="$seen" -v want="$want" -v k="${CLIENT_SCALE:-1}" 'BEGIN {
      split(seen, s, "x"); split(want, w, "x")
      exit !(s[1] >= 0.8 * k * w[1] && s[1] <= 1.2 * k * w[1] && s[2] >= 0.8 * k * w[2] && s[2] <= 1.2 * k * w[2]) }' ||
      wrong+="$seen where $want at 96 DPI (block ${blocks[$i]}); "
  done
  [ -z "$wrong" ] || { log "     text extents $wrong"; return 1; }
}
# labels_sharp SHOT: not every square of the scale's pixels in the label
# boxes is one colour, as it would be in a label drawn at 96 DPI and enlarged.
labels_sharp() {
  local crop k=$CLIENT_SCALE base=$CASE_DIR/label
  for crop in $(text_blocks | head -n "${#LABEL_MASKS[@]}"); do
    convert "$1" -crop "$crop" +repage "$base.png"
    convert "$base.png" -sample "$((100 / k))%" -sample "$((100 * k))%" "$base-blocks.png"
    ! same_pictures "$base.png" "$base-blocks.png" || { log "     the label box $crop is drawn in whole squares"; return 1; }
  done
}

# inner_crop X Y W H: the geometry of the screen pixels that show only
# the client block (at a fractional scale, not its blended edges).
inner_crop() {
  awk -v x="$1" -v y="$2" -v w="$3" -v h="$4" -v k="${CLIENT_SCALE:-1}" -v cx="$CLIENT_X" -v cy="$CLIENT_Y" '
    function ceil(v) { return v == int(v) ? v : int(v) + 1 }
    BEGIN { l = ceil(x * k); t = ceil(y * k); printf "%dx%d+%d+%d\n", int((x + w) * k) - l, int((y + h) * k) - t, cx + l, cy + t }'
}
# lit SHOT X Y W H: the client block shows some lit pixel (the well is black).
lit() { [ "$(convert "$1" -crop "$(inner_crop "${@:2}")" +repage -format '%[fx:maxima.r+maxima.g+maxima.b>0]' info:)" = 1 ]; }
# shape_entered SHOT: the top four rows of the well, above any starting
# rows, show the falling shape.
shape_entered() { local w=($WELL); lit "$1" "${w[0]}" "${w[1]}" "${w[2]}" 60; }
# well_lit_left SHOT: the screen column, from the well's left side, of the
# leftmost lit pixel in the well (the falling shape's in a game without
# starting rows); fails on an empty well.
well_lit_left() {
  local w=($WELL) at
  at=$(convert "$1" -crop "$(inner_crop "${w[@]}")" +repage -bordercolor black -border 1 \
    -format '%[fx:maxima.r+maxima.g+maxima.b>0] ' -write info: -trim -format '%X' info: 2>/dev/null)
  [ "${at%% *}" = 1 ] || return 1
  echo $((${at##* } - 1))
}
# shape_at SHOT X: the shape's leftmost pixel is at X.
shape_at() { [ "$(well_lit_left "$1")" = "$2" ]; }

# paused_seen: the pause button reads "继续(F3)", the paused game's label.
paused_seen() { has_texts Trelmo "Button|继续(F3)"; }

# find_game SHOT TEST BEFORE|AFTER: the paused game on the screenshot is,
# by TEST SHOT SCRIPT, the game of one seed of SEED_CANDIDATES after the
# lines BEFORE, a new game, one to eight ticks and the lines AFTER; that
# script is left in GAME_SCRIPT.
find_game() {
  local shotfile=$1 test=$2 lines=$3 ticks s script
  for ticks in 1 2 3 4 5 6 7 8; do
    for s in "${SEED_CANDIDATES[@]}"; do
      script="seed $s"$'\n'"${lines%%|*}new$(tick_lines "$ticks")${lines#*|}"
      if QUIET_LOOK=1 "$test" "$shotfile" "$script"; then
        GAME_SCRIPT=$script
        return 0
      fi
    done
  done
  log "     no seed of ${SEED_CANDIDATES[*]} gives this screen after up to 8 ticks"
  return 1
}

# The icon resource's pictures, as the asset generator wrote them beside
# the program: one for each size.
ICON_FILE=$(dirname "$EXE")/assets/icon102.ico
# tray_icon_is SHOT SIZE: the notification area, in the screen's
# bottom-right corner, shows the resource's SIZE x SIZE picture of the
# icon over the area's ground (its corner pixel's colour), every pixel of
# it: no black pixel where the picture is clear, no blended one, no line
# of the frame lost.
tray_icon_is() {
  local shotfile=$1 size=$2 frame ground result ref=$CASE_DIR/tray-icon-$2.png zone=$CASE_DIR/tray-zone.png
  frame=$(identify -format '%p %w\n' "$ICON_FILE" | awk -v n="$size" '$2 == n { print $1; exit }')
  [ -n "$frame" ] || { log "     $ICON_FILE holds no $size x $size picture"; return 1; }
  ground=$(convert "$shotfile" -gravity SouthEast -crop 1x1+0+0 +repage -format '%[pixel:p{0,0}]' info:)
  convert "$ICON_FILE[$frame]" -background "$ground" -flatten "$ref" || return 1
  convert "$shotfile" -gravity SouthEast -crop "$((6 * size))x$((2 * size))+0+0" +repage "$zone"
  result=$(compare -metric AE -dissimilarity-threshold 1000000 -subimage-search "$zone" "$ref" null: 2>&1)
  [ "${result%% *}" = 0 ] && return 0
  log "     at best ${result%% *} of its pixels differ from the ${size} x $size picture"
  return 1
}
# check_tray_icon SIZE: Esc hides the window to its icon, which shows the
# picture of that size.
check_tray_icon() {
  key Escape
  check "Esc hides the window" wait_until 10 window_hidden
  check "its icon in the notification area is the ${1} x $1 picture, clean to its edges" \
    look_until 10 tray-icon tray_icon_is "$1"
}

# At 192 DPI, a scale of 2.
dpi_192_before_launch() {
  CLIENT_SCALE=2
  check "the prefix's LogPixels is 192" wine_set_log_pixels "$CASE_PREFIX" 192
}
dpi_192_while_sheet() {
  check "Wine gives the program 192 DPI" wait_until 10 dpi_is 192
  check "the client area is 958 x 680" wait_until 10 client_area_is 958 680
  check_dialog "$SHEET_TITLE" "the information sheet" "$SHEET_AT_96"
}

case_dpi_192() {
  local about=($(region_middle about)) right=($(region_middle right)) s
  check "the window is centred on the screen" window_centred
  check "the start screen is trelmo-sim's, each pixel a 2 x 2 square" look_until 10 scaled shows_scaled
  s=$SHOT
  check "the start button is live" button_enabled "$s" $START
  check "the pause button is not" button_disabled "$s" $PAUSE
  check "the labels and buttons show their texts at twice their size" texts_at_scale "$s"
  check "the labels are drawn at the screen's resolution" labels_sharp "$s"

  # The logo at its doubled place, and where it was at 96 DPI.
  point_at "${about[@]}"
  check "over the logo the pointer is the hand, at twice its size" wait_until 10 hand_shown
  point_at $((about[0] / 2)) $((about[1] / 2))
  check "over the logo's place at 96 DPI it is not" wait_until 10 hand_not_shown
  click_at $((about[0] / 2)) $((about[1] / 2)) 1
  check "a click there opens no sheet" settled 1 window_gone "$SHEET_TITLE"
  click_at "${about[@]}" 1
  check "a click on the logo opens \"$SHEET_TITLE\"" wait_until 10 window_named "$SHEET_TITLE"
  close_sheet

  key F4
  check_dialog "$OPTIONS_TITLE" "the options" "$OPTIONS_AT_96"
  sleep 0.5  # a dialog takes the keyboard a moment after it shows
  key Escape
  check "Esc closes the options" wait_until 10 window_gone "$OPTIONS_TITLE"
  key F8
  check_dialog "$TABLE_TITLE" "the score table" "$TABLE_AT_96"
  sleep 0.5
  key Return
  check "Enter closes the score table" wait_until 10 window_gone "$TABLE_TITLE"

  # A new game's shape, two steps left and paused: the screen is the
  # raster's picture of that game for one seed, in whole squares.
  key F2
  check "a shape falls after F2" look_until 10 piece shape_entered
  key Left Left F3
  check "F3 pauses the game" wait_until 10 paused_seen
  look_until 10 paused true
  check "the paused game is trelmo-sim's, each pixel a 2 x 2 square" find_game "$SHOT" shows_scaled $'|\nleft\nleft'

  # The well's mouse buttons at their doubled places: a right click in the
  # well (outside it at 96 DPI, where it would open the menu) moves the
  # shape right, a left click moves it left, a cell being 40 pixels wide.
  local x
  x=$(well_lit_left "$SHOT")
  key F3
  click_at "${right[@]}" 3
  check "a right click in the well moves the shape right" look_until 10 moved-right shape_at $((x + 40))
  click_at "${right[@]}" 1
  check "a left click in the well moves it left" look_until 10 moved-left shape_at "$x"
  check_tray_icon 32
}

# At 288 DPI, a scale of 3: the start screen in 3 x 3 squares, with its
# labels and buttons at three times their size.
dpi_288_before_launch() {
  CLIENT_SCALE=3
  check "the prefix's LogPixels is 288" wine_set_log_pixels "$CASE_PREFIX" 288
}
dpi_288_while_sheet() {
  check "Wine gives the program 288 DPI" wait_until 10 dpi_is 288
  check "the client area is 1437 x 1020" wait_until 10 client_area_is 1437 1020
  check_dialog "$SHEET_TITLE" "the information sheet" "$SHEET_AT_96"
}
case_dpi_288() {
  check "the start screen is trelmo-sim's, each pixel a 3 x 3 square" look_until 10 scaled shows_scaled
  check "the labels and buttons show their texts at three times their size" texts_at_scale "$SHOT"
  check_tray_icon 48
}

# At 144 DPI, a scale of 1.5: the game drawn at twice its size and reduced
# by area, in the flat look, whose cells are plain colours.
dpi_144_before_launch() {
  CLIENT_SCALE=1.5
  mkdir -p "$(dirname "$(ini_file)")"
  printf '[Settings]\r\n3Dtrelmo=0\r\n' >"$(ini_file)"
  check "the prefix's LogPixels is 144" wine_set_log_pixels "$CASE_PREFIX" 144
}
dpi_144_while_sheet() {
  check "Wine gives the program 144 DPI" wait_until 10 dpi_is 144
  check "the client area is 719 x 510" wait_until 10 client_area_is 719 510
  check_dialog "$SHEET_TITLE" "the information sheet" "$SHEET_AT_96"
}

# reduced_like_render SHOT SCRIPT: the screenshot's client area, outside
# the labels and buttons, is trelmo-sim's picture of SCRIPT's state doubled
# and reduced by area (ImageMagick's -scale) to 1.5 times, give or take
# rounding: fewer than one pixel in 1000 differs by more than 3%. Four
# doubled pixels make three: the doubled picture, widened with copies of its
# last column and row to whole groups of four, is reduced to 3/4 and cut to
# the client area. A reduction to the client area's own size (719 / 958
# rather than 3/4) counts as well.
reduced_like_render() {
  local base=$CASE_DIR/reduced args=() a=($CLIENT_AREA) w=$((2 * CLIENT_W)) h=$((2 * CLIENT_H)) n best
  local wide=$(((w + 3) / 4 * 4)) high=$(((h + 3) / 4 * 4))
  mapfile -t args < <(scaled_mask_args)
  convert "$1" -crop "${a[0]}x${a[1]}+$CLIENT_X+$CLIENT_Y" +repage -fill '#ff00ff' "${args[@]}" "$base-shot.png" || return 1
  render "$2" "$base-sim.bmp" || return 1
  convert "$base-sim.bmp" -sample 200% -define "distort:viewport=${wide}x$high+0+0" -virtual-pixel edge -filter point \
    -distort SRT 0 +repage -scale "$((wide * 3 / 4))x$((high * 3 / 4))!" -crop "${a[0]}x${a[1]}+0+0" +repage \
    -fill '#ff00ff' "${args[@]}" "$base-sim-a.png"
  convert "$base-sim.bmp" -sample 200% -scale "${a[0]}x${a[1]}!" -fill '#ff00ff' "${args[@]}" "$base-sim-b.png"
  best=$(for ref in a b; do compare -metric AE -fuzz 3% "$base-shot.png" "$base-sim-$ref.png" null: 2>&1 | sed 's/ .*//'; echo; done |
    sort -n | head -1)
  n=$((a[0] * a[1] / 1000))
  [ "${best:-$n}" -lt "$n" ] && return 0
  log "     ${best:-all} pixels differ by more than 3% from the render reduced to 1.5 times"
  return 1
}

# cells_even SHOT SCRIPT: across the well of a game with cells, every edge
# between a flat cell and an empty one (plain colour against black, each
# at least 20 client pixels wide) shows at most one blended pixel between
# the two colours, each edge is in the same screen column (row) on every
# row (column) of the well, and the distances between the edges of
# successive cells differ by at most one pixel, each way.
cells_even() {
  local base=$CASE_DIR/cells a=($CLIENT_AREA) verdict
  render "$2" "$base-sim.bmp" || return 1
  # Both pictures as "R G B" lines, a pixel each, row by row.
  convert "$base-sim.bmp" -depth 8 rgb:- | od -An -v -tu1 -w3 >"$base-sim.txt"
  convert "$1" -crop "${a[0]}x${a[1]}+$CLIENT_X+$CLIENT_Y" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 >"$base-shot.txt"
  verdict=$(awk -v w0="$CLIENT_W" -v w1="${a[0]}" -v sx="$(awk -v w="${a[0]}" 'BEGIN { print w / 479 }')" \
    -v sy="$(awk -v h="${a[1]}" 'BEGIN { print h / 340 }')" -f - "$base-sim.txt" "$base-shot.txt" <<'AWK'
function close_to(p, q,   a, b, i) {
  split(p, a, ","); split(q, b, ",")
  for (i = 1; i <= 3; i++) if (a[i] - b[i] > 16 || b[i] - a[i] > 16) return 0
  return 1
}
# Each problem once, in the order found.
function problem(text) {
  if (text in seen) return
  seen[text] = 1
  if (++problem_count <= 6) problems = problems text "; "
  else if (problem_count == 7) problems = problems "and more"
}
function filled(c, r) { return ref[135 + 20 * c + 9, 10 + 15 * r + 7] != "0,0,0" }
# edge(e, at, from, to, across): the edge at client coordinate e (x when
# across is "x", y otherwise) on screen line at; from and to the colours
# before and after it. Records its screen position in pos[e].
function edge(e, at, from, to, across,   p, i, ia, ib, px) {
  p = int(e * (across == "x" ? sx : sy))
  ia = ""; ib = ""
  for (i = p + 1; i >= p - 3 && ia == ""; i--) {
    px = across == "x" ? shot[i, at] : shot[at, i]
    if (close_to(px, from)) ia = i
  }
  if (ia == "") { problem(sprintf("no %s before the edge at %s %d", from, across, e)); return }
  for (i = ia + 1; i <= p + 3 && ib == ""; i++) {
    px = across == "x" ? shot[i, at] : shot[at, i]
    if (close_to(px, to)) ib = i
  }
  if (ib == "") { problem(sprintf("no %s after the edge at %s %d", to, across, e)); return }
  if (ib - ia > 2) problem(sprintf("the edge at %s %d takes %d blended pixels", across, e, ib - ia - 1))
  if (((across, e) in pos) && pos[across, e] != ib) problem(sprintf("the edge at %s %d is at %d on one line and %d on another", across, e, pos[across, e], ib))
  pos[across, e] = ib
}
FNR == 1 { file++ }
file == 1 { ref[(FNR - 1) % w0, int((FNR - 1) / w0)] = $1 "," $2 "," $3 }
file == 2 { shot[(FNR - 1) % w1, int((FNR - 1) / w1)] = $1 "," $2 "," $3 }
END {
  for (r = 0; r < 21; r++) {
    y = int((10 + 15 * r + 7.5) * sy)
    for (c = 0; c < 10; c++) {
      if (!filled(c, r)) continue
      body = ref[135 + 20 * c + 9, 10 + 15 * r + 7]
      if (c > 0 && !filled(c - 1, r)) edge(135 + 20 * c, y, "0,0,0", body, "x")
      if (c < 9 && !filled(c + 1, r)) edge(154 + 20 * c, y, body, "0,0,0", "x")
    }
  }
  for (c = 0; c < 10; c++) {
    x = int((135 + 20 * c + 9.5) * sx)
    for (r = 0; r < 21; r++) {
      if (!filled(c, r)) continue
      body = ref[135 + 20 * c + 9, 10 + 15 * r + 7]
      if (r > 0 && !filled(c, r - 1)) edge(10 + 15 * r, x, "0,0,0", body, "y")
      if (r < 20 && !filled(c, r + 1)) edge(24 + 15 * r, x, body, "0,0,0", "y")
    }
  }
  # Successive cells' like edges: their distances.
  for (d = 0; d < 2; d++) {
    across = d ? "y" : "x"; count = d ? 21 : 10; step = d ? 15 : 20; first = d ? 10 : 135
    lo = 1e9; hi = -1; n = 0
    for (side = 0; side <= step - 1; side += step - 1)
      for (k = 0; k + 1 < count; k++) {
        e = first + step * k + side
        if (!((across, e) in pos) || !((across, e + step) in pos)) continue
        dist = pos[across, e + step] - pos[across, e]; n++
        if (dist < lo) lo = dist
        if (dist > hi) hi = dist
      }
    if (n < 3) problem(sprintf("only %d distances between cells along %s", n, across))
    else if (hi - lo > 1) problem(sprintf("cells along %s are %d to %d pixels apart", across, lo, hi))
    printf "along %s: %d distances of %d to %d pixels\n", across, n, lo, hi
  }
  if (problems != "") print "BAD " problems
}
AWK
  )
  local line
  while read -r line; do log "     ${line#BAD }"; done <<<"$verdict"
  ! grep -q '^BAD' <<<"$verdict"
}

case_dpi_144() {
  check "the start screen is trelmo-sim's, reduced to 1.5 times" look_until 10 start-reduced reduced_like_render \
    "set 3Dtrelmo 0"
  check "the labels and buttons show their texts at 1.5 times their size" texts_at_scale "$SHOT"
  # A game of sixteen starting rows, paused at once: its cells.
  key F6
  check "F6 takes the starting rows to their most" look_until 10 max-rows button_disabled $ROWS_UP
  key F2
  check "a shape falls after F2" look_until 10 entered shape_entered
  key F3
  check "F3 pauses the game" wait_until 10 paused_seen
  look_until 10 paused true
  check "the paused game is trelmo-sim's, reduced to 1.5 times" \
    find_game "$SHOT" reduced_like_render $'set 3Dtrelmo 0\nmaxrows\n|'
  if [ -n "${GAME_SCRIPT:-}" ]; then
    check "the well's cells are evenly sized, their edges sharp" cells_even "$SHOT" "$GAME_SCRIPT"
  fi
  check_tray_icon 24
}

# At 120 DPI, a scale of 1.25: the icon at 20 x 20. No screen pixel shows
# a one-pixel line of the frame unblended at this scale: the window counts
# as painted (for this case alone, which runs in a subshell of its own) by
# its black well and its live start button.
dpi_120_before_launch() {
  CLIENT_SCALE=1.25
  client_painted() { [ "$(client_pixel "$1" 200 200)" = "0,0,0" ] && button_enabled "$1" $START; }
  check "the prefix's LogPixels is 120" wine_set_log_pixels "$CASE_PREFIX" 120
}
dpi_120_while_sheet() {
  check "Wine gives the program 120 DPI" wait_until 10 dpi_is 120
  check "the client area is 599 x 425" wait_until 10 client_area_is 599 425
}
case_dpi_120() { check_tray_icon 20; }
