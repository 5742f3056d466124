# A PulseAudio server of the test's own, whose one sink writes what it would send to a sound
# card into $recording (16-bit mono at $rate), paced by the clock as a sound card would be.
# Needs $work; sets PULSE_SERVER for everything the test starts, and server_pid.

readonly rate=44100
# Samples louder than this (about -40 dBFS) count as sound.
readonly loud=300
recording="$work/output.raw"

# Starts the server and waits up to twenty seconds for it; a server too slow to start on a
# busy machine skips the test. Fails when the sink writes nothing.
start_recording_server() {
  mkdir -p "$work/pulse-run" "$work/pulse-state"
  export PULSE_RUNTIME_PATH="$work/pulse-run" PULSE_STATE_PATH="$work/pulse-state"
  mkfifo "$work/output.fifo"
  cat "$work/output.fifo" > "$recording" &
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-pipe-sink sink_name=velquan_test file=$work/output.fifo format=s16le rate=$rate channels=1 use_system_clock_for_timing=yes" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/native" > "$work/server.log" 2>&1 &
  server_pid=$!
  export PULSE_SERVER="unix:$work/native"
  for _ in $(seq 200); do
    pactl info >/dev/null 2>&1 && [ -s "$recording" ] && break
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
  done
  pactl info >/dev/null 2>&1 || { cat "$work/server.log"; skip "the sound server did not start"; }
  [ -s "$recording" ] || fail "the sink writes nothing"
}

# Prints, for what the sink put out from byte start on: its peak, its loud time, its first
# and last loud moments and its length (ms).
measure_since() {
  local start=$1 end
  end=$(stat -c %s "$recording")
  tail -c +$((start + 1)) "$recording" | head -c $((end - start)) | od -An -v -td2 -w2 |
    awk -v r=$rate -v t=$loud '
      { v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v
        if (v > t) { n++; if (!first) first = NR; last = NR } }
      END { printf "%d %d %d %d %d\n", peak, n * 1000 / r, first * 1000 / r, last * 1000 / r, NR * 1000 / r }'
}
