# A virtual X display of the test's own. Needs $work (a scratch folder) and fail(); sets
# DISPLAY and xvfb_pid, which the caller's clean-up ends.

# A display of its own, whichever number is free, $display_size large (1024x768 unless set);
# arguments go to Xvfb.
start_display() {
  exec 3<> "$work/display"
  Xvfb -displayfd 3 -screen 0 "${display_size:-1024x768}x24" -nolisten tcp "$@" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$work/display")"
  [ "$DISPLAY" != ":" ] || fail "Xvfb did not start"
  unset QT_QPA_PLATFORM
}

# Waits for one visible window whose title matches the regular expression $1, for $2 tenths
# of a second (thirty seconds unless given: a loaded machine may start the game slowly), and leaves its id in $window; fails when none
# appears, or as soon as the game in $game_pid, when there is one, has ended.
wait_for_window() {
  window=""
  for _ in $(seq "${2:-300}"); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
    [ -n "$window" ] && break
    [ -z "${game_pid:-}" ] || kill -0 "$game_pid" 2>/dev/null || fail "the game ended before a window titled $1 appeared"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled $1 appeared"
}
