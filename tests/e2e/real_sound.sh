#!/usr/bin/env bash
# The shipped sound effects really reach a sound server. A private PulseAudio is started
# whose only sink writes what it would send to a sound card, in real time, into a pipe; the
# pipe is recorded while the game's sound service plays each WAV (found in the current
# directory, and in the game's own folder when started elsewhere). Every effect must come
# out whole and loud, nothing played must stay silent, a second effect must cut off the
# first, and ending just as an effect's output is given back must not crash; the real game's
# F3 must be heard too. With no server at all the service must return at once and stay silent.
# Exits 77 when no sound server can be started here.
set -euo pipefail

source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/sound.bash"
probe=$(realpath "$2")

for tool in pulseaudio pactl; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

# A server of our own, with a runtime folder and home of the test's.
mkdir -p -m 700 "$work/run" "$work/home"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
start_recording_server

# Prints the moments (ms) at which sound starts after at least 300 ms of quiet, in what the
# sink put out from byte start on.
onsets_since() {
  local start=$1 end
  end=$(stat -c %s "$recording")
  tail -c +$((start + 1)) "$recording" | head -c $((end - start)) | od -An -v -td2 -w2 |
    awk -v r=$rate -v t=$loud '
      { v = $1 < 0 ? -$1 : $1
        if (v > t) { if (NR - last > r * 0.3) printf "%d ", NR * 1000 / r; last = NR } }
      END { print "" }'
}

# Runs the probe with the given arguments and measures what the sink put out meanwhile.
record() {
  local start
  start=$(stat -c %s "$recording")
  "$probe" "$@" > "$work/probe.log" || fail "the probe failed: $(cat "$work/probe.log")"
  measure_since "$start"
}

# Milliseconds of the file's own samples above the threshold: what a whole effect must give.
loud_in_file() {
  tail -c +45 "$1" | od -An -v -td2 -w2 | awk -v t=$loud '{ v = $1 < 0 ? -$1 : $1; if (v > t) n++ }
    END { printf "%d\n", n * 1000 / 22050 }'
}

# Every call into the service must return at once: well within the shortest effect.
check_calls_quick() {
  awk '{ if ($2 > 100) { print "slow call: " $0; bad = 1 } } END { exit bad }' "$work/probe.log" ||
    fail "a call to the sound service blocked"
}

mkdir -p "$work/game" "$work/elsewhere"
# A portable copy of the game carries its sound module beside the executable.
cp "$probe" "$(dirname "$executable")/velquan-sound.so" "$work/game/"
cp "$source_dir"/resources/sounds/*.wav "$work/game/"
cd "$work/game"

read -r peak sounding _ _ length < <(record 800)
echo "nothing played: $length ms put out, peak $peak, $sounding ms loud"
# The sink keeps putting out while nothing plays; a busy machine may leave some of it in the
# pipe when the probe ends.
[ "$length" -ge 400 ] || fail "the sink put out $length ms in 800 ms"
[ "$peak" -le "$loud" ] || fail "the sink is not silent when nothing plays"

for wave in snd_*.wav; do
  expected=$(loud_in_file "$wave")
  read -r peak sounding first last length < <(record 2000 "$wave")
  echo "$wave: $length ms put out, peak $peak, $sounding ms loud of $expected in the file," \
    "from $first to $last ms; the call took $(awk '{print $2}' "$work/probe.log") ms"
  check_calls_quick
  [ "$peak" -gt 2000 ] || fail "$wave did not reach the sound server"
  [ "$sounding" -ge $((expected * 9 / 10)) ] || fail "$wave came out cut: $sounding of $expected ms"
done

# The outputs are opened ahead, as the game does once its window shows: the first effect
# comes as promptly as the same effect played again, within a sink period or so.
start=$(stat -c %s "$recording")
"$probe" 3000 1000:snd_shot.wav 2000:snd_shot.wav > "$work/probe.log" || fail "the probe failed: $(cat "$work/probe.log")"
read -r first second _ < <(onsets_since "$start")
[ -n "${second:-}" ] || fail "two effects 1000 ms apart gave the onsets '${first:-}'"
late=$((1000 - (second - first)))
echo "the first effect began $late ms later than the same effect played again"
[ "$late" -le 50 ] || fail "the first effect came $late ms late"

# Started from another folder, the game finds its effects beside its executable.
cd "$work/elsewhere"
expected=$(loud_in_file "$work/game/snd_start.wav")
read -r peak sounding _ _ _ < <(record 2000 snd_start.wav)
echo "from another folder: snd_start.wav peak $peak, $sounding ms loud of $expected"
[ "$sounding" -ge $((expected * 9 / 10)) ] || fail "a game started from another folder is silent"
cd "$work/game"

# A new effect cuts off the one still playing: the long effect's sound must end soon after
# the short one starts.
read -r _ _ first last _ < <(record 2200 snd_over.wav)
alone_span=$((last - first))
read -r _ _ first last _ < <(record 2200 snd_over.wav 250:snd_shot.wav)
cut_span=$((last - first))
echo "snd_over.wav alone sounds for $alone_span ms; cut off after 250 ms by snd_shot.wav: $cut_span ms"
[ "$cut_span" -lt $((alone_span - 200)) ] || fail "the second effect did not cut off the first"

# Ending the program at any moment of a short effect, from its start through its running dry
# and the server's answers, must not crash it: the ends sweep those moments 15 ms apart.
crashed=()
for end in $(seq 0 15 690); do
  "$probe" "$end" snd_shot.wav > "$work/probe.log" 2>&1 || crashed+=("$end")
done
echo "ended 0 to 690 ms after a short effect began: ${#crashed[@]} crashes"
[ "${#crashed[@]}" -eq 0 ] || fail "the probe crashed when ending at ${crashed[*]} ms"

# The game itself: F3 starts the GAME START banner with its effect.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  outer_platform=${QT_QPA_PLATFORM-offscreen}
  start_display
  cp "$executable" "$work/game/velquan"
  cp "$source_dir/resources/VELQUAN.ini" "$work/game/"
  ./velquan > "$work/game.log" 2>&1 &
  game_pid=$!
  find_game_window
  # The sound server's client comes in once the window shows, before any sound, and nothing of
  # a media framework with it.
  sound_stack_mapped() { grep -q libpulse "/proc/$game_pid/maps"; }
  wait_until sound_stack_mapped || fail "the sound output was not opened once the window showed"
  ! grep -qE 'libQt6Multimedia|libav' "/proc/$game_pid/maps" || fail "the game maps a media framework"
  start=$(stat -c %s "$recording")
  xdotool windowfocus --sync "$window" && x11_key F3
  expected=$(loud_in_file "$work/game/snd_start.wav")
  # Up to ten seconds for the whole effect: the game may start it late on a busy machine.
  for _ in $(seq 20); do
    sleep 0.5
    read -r peak sounding _ _ _ < <(measure_since "$start")
    [ "$sounding" -ge $((expected * 9 / 10)) ] && break
  done
  echo "the game's F3: snd_start.wav peak $peak, $sounding ms loud of $expected"
  [ "$sounding" -ge $((expected * 9 / 10)) ] || fail "the game's start banner was not heard"
  kill "$game_pid"
  game_pid=""
  export QT_QPA_PLATFORM=$outer_platform
fi

# No sound server at all: the service returns at once, plays nothing and the program ends.
kill "$server_pid"
wait "$server_pid" 2>/dev/null || true
start=$(date +%s%N)
PULSE_SERVER="unix:$work/no-server" timeout 20 "$probe" 500 snd_start.wav snd_shot.wav > "$work/probe.log" ||
  fail "without a sound server the probe failed or hung"
elapsed=$((($(date +%s%N) - start) / 1000000))
echo "without a server: finished in $elapsed ms; $(tr '\n' ' ' < "$work/probe.log")"
check_calls_quick
[ "$elapsed" -lt 5000 ] || fail "without a sound server the program took $elapsed ms"
