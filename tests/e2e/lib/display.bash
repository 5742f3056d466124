# A virtual X display of the test's own. Needs $work (a scratch folder) and fail(); sets
# DISPLAY and display_server (its process). The caller's clean-up ends the server and waits
# for it; a failure tells whether it still ran, and what it said.

# A display of its own, $display_size large (1024x768 unless set); arguments go to Xvfb.
# Like a desktop's server, it does not reset when its last client leaves: a reset closes a
# client that is just connecting, and a test's short-lived clients (xdotool's polls) leave
# the server without clients between them while the game is still starting.
# The number is the test's until the test and everything it started have gone: the lock on it
# is held by the script and passes to every process it starts. So no other test's server
# takes the number while this one goes down, and no client of this test that outlives its
# server (a poll, a bus service) can reach the next test's server of that number.
start_display() {
  local number
  unset QT_QPA_PLATFORM
  for number in $(seq 20 299); do
    exec {display_lock}>>"/tmp/.velquan-display-$number.lock"
    if ! flock -n "$display_lock"; then
      exec {display_lock}>&-
      continue
    fi
    : > "$work/display"
    Xvfb ":$number" -displayfd 3 -screen 0 "${display_size:-1024x768}x24" -nolisten tcp -noreset "$@" \
      3>"$work/display" >"$work/xvfb.log" 2>&1 &
    display_server=$!
    # A number another desktop's server holds ends this one at once.
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
    exec {display_lock}>&-
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

# Function keys as a keyboard sends them: the key's own keycode alone. xdotool works out
# modifiers from the keymap, and newer keymaps list Alt as keeping F1 to F12 at their first
# level: xdotool then sends Alt+F3 for F3.
x11_key() { xte "key $1"; }
