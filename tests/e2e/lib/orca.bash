# The Orca screen reader beside the game, headless: what it would say is read from its debug
# log, where every utterance is a "SPEECH OUTPUT: '...'" line. Needs $work, fail() and the
# buses of atspi.bash (start_accessibility_bus) and an X display; sets orca_pid. The caller's
# clean-up ends Orca with stop_orca.

# Starts Orca with settings of its own under $work, and returns once it listens to the
# accessibility bus (or fails after $1 seconds, 30 by default). Speech goes to a server that
# only logs it (orca_silent_speech.py): with no synthesizer Speech Dispatcher's start hangs
# Orca, and with speech turned off Orca drops the messages it presents itself.
start_orca() {
  command -v orca >/dev/null || { echo "SKIP: no orca"; exit 77; }
  mkdir -p "$work/orca/prefs"
  orca_log="$work/orca/debug.log"
  cp "$atspi_lib/orca_silent_speech.py" "$work/orca/prefs/"
  # Orca loads this from its settings folder once it has opened the log, which it would
  # otherwise write in blocks of some kilobytes: a test waits for lines as they are said.
  cat > "$work/orca/prefs/orca-customizations.py" <<'PYTHON'
import orca.debug, orca.settings
orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.speechServerFactory = "orca_silent_speech"
orca.settings.speechFactoryModules = ["orca_silent_speech"]
PYTHON
  # The memory backend keeps the desktop's settings out both ways. No --replace: it kills
  # every other Orca of the user, another test's among them; without it Orca declines to
  # start beside one.
  pgrep -x orca >/dev/null && fail "another Orca runs"
  GSETTINGS_BACKEND=memory orca --disable braille \
    --user-prefs "$work/orca/prefs" --debug-file="$orca_log" >"$work/orca/stdout" 2>&1 &
  orca_pid=$!
  for _ in $(seq $((${1:-30} * 10))); do
    grep -q 'ORCA: ATSPI registry initialized' "$orca_log" 2>/dev/null && { sleep 1; return 0; }
    kill -0 "$orca_pid" 2>/dev/null || fail "orca ended: $(tail -5 "$work/orca/stdout")"
    sleep 0.1
  done
  fail "orca did not start"
}

# Prints what Orca said since it started (or, with $1, from line $1 of its log on), one
# utterance a line.
orca_spoken() {
  # The line ends with the voice, when it is not the default one, and its settings.
  tail -n "+${1:-1}" "$orca_log" | perl -ne "print \"\$1\\n\" if /SPEECH OUTPUT: '(.*?)'( voice=\\S+)? ?(\\{.*\\}|None)?\$/"
}

# The log's current length, to pass to orca_spoken later for what was said after now.
orca_mark() { wc -l < "$orca_log"; }

# Ends Orca and waits for it.
stop_orca() {
  [ -n "${orca_pid:-}" ] || return 0
  kill "$orca_pid" 2>/dev/null || true
  wait "$orca_pid" 2>/dev/null || true
  orca_pid=""
}
