# Shared steps of the end-to-end tests: the real game on a virtual X display of its own.
# Source it with the executable's path as $1; it brings lib/common.bash's harness along.

executable=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/common.bash"
source "$(dirname "${BASH_SOURCE[0]}")/display.bash"

# Waits for the one window titled VELQUAN and takes its place ($window, $X, $Y, $WIDTH,
# $HEIGHT and the client area's origin $client_x, $client_y).
find_game_window() {
  wait_for_window '^VELQUAN$'
  [ "$(echo "$window" | wc -l)" -eq 1 ] || fail "more than one VELQUAN window: $window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The client area is the bottom of the window, below the menu bar.
  client_x=$X
  client_y=$((Y + HEIGHT - $(layout kClientHeight)))
}

# Starts the game from $work with the given ranking file, on whatever display is set.
launch_game() {
  cp "$executable" "$work/velquan"
  cp "$1" "$work/VELQUAN.ini"
  (cd "$work" && exec ./velquan) > "$work/game.log" 2>&1 &
  game_pid=$!
}

# Starts the game on the X display and waits for its one window.
start_game() {
  launch_game "$1"
  find_game_window
  xdotool windowfocus --sync "$window"
}

# Waits for the game to end by itself and expects the given exit status (0 by default).
expect_game_exit() {
  local status=""
  for _ in $(seq 100); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid" && status=0 || status=$?
      break
    fi
    sleep 0.1
  done
  [ -n "$status" ] || fail "the game did not exit"
  game_pid=""
  [ "$status" -eq "${1:-0}" ] || fail "the game exited with $status, expected ${1:-0}"
}

# The middle of "SHOT!!" in the client area, as "x y".
shot_button_middle() {
  echo "$(($(layout kShotLeft) + $(layout kShotWidth) / 2)) $(($(layout kShotTop) + $(layout kShotHeight) / 2))"
}

# The colour of one pixel of the client area, as "r,g,b".
client_pixel() {
  xwd -root -silent | convert xwd:- -crop "1x1+$((client_x + $1))+$((client_y + $2))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

# Saves the screen as a PNG.
screenshot() {
  xwd -root -silent | convert xwd:- "$1"
}

# Chooses the exit command from the menu (no window manager here to send a close request)
# and expects the game to end with status 0.
close_game_from_menu() {
  xdotool windowfocus --sync "$window"
  xdotool key --delay 100 alt+m
  sleep 0.5
  xdotool key x
  expect_game_exit 0
}

# The ranking file as UTF-8 text without carriage returns.
ranking_text() {
  iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'
}

# Waits for the game to end within the given seconds after the caller's moment (set
# ended_after to the seconds it took) and expects status 0.
wait_for_quick_exit() {
  local limit=$1 what=$2 start status=""
  start=$(date +%s.%N)
  while kill -0 "$game_pid" 2>/dev/null; do
    if awk -v s="$start" -v n="$(date +%s.%N)" -v l="$limit" 'BEGIN { exit !(n - s > l + 2) }'; then
      fail "the game did not end after $what"
    fi
    sleep 0.01
  done
  ended_after=$(awk -v s="$start" -v n="$(date +%s.%N)" 'BEGIN { printf "%.2f", n - s }')
  wait "$game_pid" && status=0 || status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "the game exited with $status after $what"
  awk -v t="$ended_after" -v l="$limit" 'BEGIN { exit !(t <= l) }' || fail "the game took ${ended_after}s to end after $what (limit ${limit}s)"
}

# Starts a game with F3 and, after the start banner, holds "SHOT!!" for the given seconds and
# lets go: the ball then rolls for about as long.
start_a_roll() {
  xdotool key F3
  sleep 3.6
  read -r shot_x shot_y <<<"$(shot_button_middle)"
  xdotool mousemove $((client_x + shot_x)) $((client_y + shot_y))
  xdotool mousedown 1
  sleep "$1"
  xdotool mouseup 1
}
