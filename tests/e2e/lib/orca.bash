# Orca beside the game, headless, on atspi.bash's buses: what it says is read from its debug
# log. Its speech goes to a server that says nothing (with no synthesizer Speech Dispatcher
# hangs Orca's start; with speech off Orca drops what it presents itself).
start_orca() {
  command -v orca >/dev/null || { echo "SKIP: no orca"; exit 77; }
  mkdir -p "$work/orca/prefs" && orca_log="$work/orca/debug.log"
  cp "$atspi_lib/orca_silent_speech.py" "$work/orca/prefs/"
  # The log is written a line at a time, as things are said.
  printf '%s\n' 'import orca.debug, orca.settings' 'orca.debug.debugFile.reconfigure(line_buffering=True)' \
    'orca.settings.speechServerFactory = "orca_silent_speech"' \
    'orca.settings.speechFactoryModules = ["orca_silent_speech"]' > "$work/orca/prefs/orca-customizations.py"
  # No --replace, which would end another test's Orca.
  pgrep -x orca >/dev/null && fail "another Orca runs"
  GSETTINGS_BACKEND=memory orca --disable braille --user-prefs "$work/orca/prefs" \
    --debug-file="$orca_log" >"$work/orca/stdout" 2>&1 &
  for _ in $(seq 300); do
    grep -q 'ORCA: ATSPI registry initialized' "$orca_log" 2>/dev/null && { sleep 1; return 0; }
    kill -0 $! 2>/dev/null || fail "orca ended: $(tail -5 "$work/orca/stdout")"
    sleep 0.1
  done
  fail "orca did not start"
}

# Waits up to $2 seconds (10 by default) for Orca to say a line matching $1 after the last one
# heard, and prints it.
heard_lines=0
heard() {
  local found="" said
  for _ in $(seq $((${2:-10} * 10))); do
    said=$(perl -ne "print \"\$1\\n\" if /SPEECH OUTPUT: '(.*?)'( voice=\\S+)? ?(\\{.*\\}|None)?\$/" "$orca_log" |
      tail -n "+$((heard_lines + 1))")
    found=$(grep -n -m1 -E "$1" <<<"$said") && break
    sleep 0.1
  done
  [ -n "$found" ] || fail "Orca did not say /$1/; after the last line heard it said: $said"
  heard_lines=$((heard_lines + ${found%%:*}))
  echo "Orca: ${found#*:}"
}
