#!/usr/bin/env bash
# sound_stream.sh PLAYER: the program's sounds on a PulseAudio server of the
# test's own, whose null sink suspends after one idle second as a desktop's
# sound device does. PLAYER (trelmo-play-sounds) plays a sound, stays idle,
# then plays another: each sound must come on a stream with the game's role
# and a name the mixer shows, and no stream may stay while it is idle.
set -u
player=$1
for tool in pulseaudio pactl; do
  command -v "$tool" >/dev/null || { echo "sound_stream: $tool is missing (tools/setup.sh installs it)" >&2; exit 1; }
done
dir=$(mktemp -d)
mkdir -m 700 "$dir/run"
env -i PATH="$PATH" HOME="$dir" XDG_RUNTIME_DIR="$dir/run" \
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target="file:$dir/server.log" --log-level=info \
  -L "module-null-sink sink_name=trelmo_test" -L "module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
  -L "module-suspend-on-idle timeout=1" >"$dir/server.out" 2>&1 &
server=$!
player_pid=
finish() {
  [ -n "$player_pid" ] && kill "$player_pid" 2>/dev/null
  kill "$server" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$dir"
}
trap finish EXIT
export PULSE_SERVER="unix:$dir/native" PULSE_CLIENTCONFIG=/dev/null HOME="$dir" XDG_RUNTIME_DIR="$dir/run"

failed=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failed=1; fi
}
# wait_until SECONDS COMMAND...: polls until COMMAND holds, or one last
# look after the time is up.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  while [ "$SECONDS" -lt "$deadline" ]; do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}
sink_suspended() { pactl list short sinks 2>/dev/null | grep -q 'trelmo_test.*SUSPENDED'; }
no_stream() { pactl list short sink-inputs >"$dir/inputs" 2>/dev/null && [ ! -s "$dir/inputs" ]; }
played_first() { grep -q played "$dir/player.out"; }
streams_made() { [ "$(grep -c 'Created input .* "Trelmo game sounds"' "$dir/server.log")" = "$1" ]; }
# The properties the server logged for the streams it made.
stream_property() { grep -c "^I: .*sink-input.c: *$1 = \"$2\"" "$dir/server.log"; }

wait_until 20 sink_suspended || { echo "sound_stream: the test's server did not start" >&2; cat "$dir/server.out" >&2; exit 1; }
"$player" 6 >"$dir/player.out" 2>"$dir/player.err" &
player_pid=$!
check "the first sound plays" wait_until 20 played_first
check "on a stream of its own" streams_made 1
check "named for the mixer" test "$(stream_property media.name 'Trelmo game sounds')" = 1
check "of the program Trelmo" test "$(stream_property application.name Trelmo)" = 1
check "in the role of a game" test "$(stream_property media.role game)" = 1
check "the stream is gone once the sound is over" wait_until 3 no_stream
check "and the idle device is let sleep" wait_until 3 sink_suspended
check "the second sound plays on a new stream" wait_until 20 streams_made 2
wait "$player_pid"
code=$?
player_pid=
check "the player ends well, nothing on its stderr" test "$code" = 0 -a ! -s "$dir/player.err"
check "leaving no stream behind" wait_until 3 no_stream
exit "$failed"
