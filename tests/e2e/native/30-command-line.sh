# What the Linux program says on the command line and without a display:
# the usage and the version for the asking, the usage on stderr for an
# option it does not know, and one line that it needs an X11 display.
WINDOWLESS_CASES+=" command_line"

# run_alone [NAME=VALUE...] -- ARG...: the program with that environment
# and those arguments, no display unless given; its exit code in RAN_CODE,
# its output in the case's out and err files.
run_alone() {
  local vars=()
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY HOME="$CASE_DIR" XDG_RUNTIME_DIR="$CASE_DIR" "${vars[@]}" \
    timeout 20 "$EXE" "$@" >"$CASE_DIR/out" 2>"$CASE_DIR/err" </dev/null
  RAN_CODE=$?
}
exited_with() { [ "$RAN_CODE" = "$1" ] || { log "     exit code $RAN_CODE"; return 1; }; }
lines_of() { [ "$(wc -l <"$CASE_DIR/$1")" = "$2" ] || { log "     $1: $(head -c 300 "$CASE_DIR/$1")"; return 1; }; }
# usage_on STREAM: the usage on out or err, and nothing on the other.
usage_on() {
  local other=out
  [ "$1" = out ] && other=err
  grep -q '^Usage: trelmo ' "$CASE_DIR/$1" && lines_of "$other" 0
}
# The version block's FILEVERSION, as a.b.c.d.
version_block() { sed -n 's/^FILEVERSION \([0-9,]*\).*/\1/p' "$top/resources/trelmo.rc" | tr , .; }

# One line on stderr that names the X11 display it needs, nothing on
# stdout, and a failure's exit code.
says_it_needs_x11() {
  exited_with 1 && lines_of err 1 && lines_of out 0 && grep -q 'X11 display (XWayland under Wayland)' "$CASE_DIR/err"
}

case_command_line() {
  run_alone -- --version
  check "--version exits 0" exited_with 0
  check "and prints the version block's $(version_block), nothing else" \
    test "$(cat "$CASE_DIR/out")" = "trelmo $(version_block)" -a ! -s "$CASE_DIR/err"
  run_alone -- --help
  check "--help exits 0" exited_with 0
  check "and prints the usage on stdout alone" usage_on out
  check "naming both options" grep -q -- '--version' "$CASE_DIR/out"
  run_alone -- --fullscreen
  check "an unknown option exits 2" exited_with 2
  check "with the usage on stderr and nothing on stdout" usage_on err
  run_alone -- --help --version
  check "so does a second argument" exited_with 2

  run_alone --
  check "without DISPLAY it says it needs an X11 display and fails" says_it_needs_x11
  local dead=$((700 + RANDOM % 200))
  while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
  run_alone DISPLAY=":$dead" --
  check "so it does with a dead X server" says_it_needs_x11
  check "which it names" grep -q "DISPLAY=:$dead" "$CASE_DIR/err"
  run_alone WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland --
  check "and in a Wayland session without XWayland" says_it_needs_x11
}
