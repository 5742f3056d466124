# Shared steps of the end-to-end tests: the real game on a virtual X display of its own.
# Source it with the executable's path as $1; it leaves $work, $window and the client origin
# ($client_x, $client_y in screen pixels) behind, and cleans up on exit.

executable=$(realpath "$1")
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
bus_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "${BASH_SOURCE[0]}")/display.bash"
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && cat "$work/game.log" >&2
  exit 1
}

# Starts the game from $work with the given ranking file and waits for its one window.
start_game() {
  cp "$executable" "$work/velquan"
  cp "$1" "$work/VELQUAN.ini"
  (cd "$work" && exec ./velquan) > "$work/game.log" 2>&1 &
  game_pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^VELQUAN$' 2>/dev/null || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled VELQUAN appeared"
  [ "$(echo "$window" | wc -l)" -eq 1 ] || fail "more than one VELQUAN window: $window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The client area is the bottom 509 x 425 of the window, below the menu bar.
  client_x=$X
  client_y=$((Y + HEIGHT - 425))
  xdotool windowfocus --sync "$window"
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
  local status=""
  for _ in $(seq 100); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid" && status=0 || status=$?
      break
    fi
    sleep 0.1
  done
  [ -n "$status" ] || fail "the game did not exit after its exit command"
  game_pid=""
  [ "$status" -eq 0 ] || fail "the game exited with $status"
}

# The ranking file as UTF-8 text without carriage returns.
ranking_text() {
  iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'
}
