# A virtual X display of the test's own. Needs $work (a scratch folder) and fail(); sets
# DISPLAY and display_server (its process). The caller's clean-up ends the server and waits
# for it; a failure tells whether it still ran, and what it said.

# A display of its own, $display_size large (1024x768 unless set); arguments go to Xvfb.
# The number stays the test's until its server has gone: the server itself holds a lock on it
# from before it starts until it has exited and removed its sockets, so no other test's
# server takes the number while this one is going down, and none removes another's socket.
start_display() {
  local number lock
  unset QT_QPA_PLATFORM
  for number in $(seq 20 299); do
    lock="/tmp/.velquan-display-$number.lock"
    : > "$work/display"
    # The subshell takes the lock and then becomes the server, which keeps it.
    (exec 4>>"$lock" && flock -n 4 &&
      exec Xvfb ":$number" -displayfd 3 -screen 0 "${display_size:-1024x768}x24" -nolisten tcp "$@" \
        3>"$work/display") >"$work/xvfb.log" 2>&1 &
    display_server=$!
    # A number that another server (or another test) holds ends the subshell at once.
    for _ in $(seq 600); do
      if [ -s "$work/display" ]; then
        export DISPLAY=":$number"
        return 0
      fi
      kill -0 "$display_server" 2>/dev/null || break
      sleep 0.05
    done
    kill -0 "$display_server" 2>/dev/null && fail "Xvfb did not start on :$number"
    wait "$display_server" 2>/dev/null || true
  done
  fail "Xvfb did not start: no free display from :20 to :299"
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
