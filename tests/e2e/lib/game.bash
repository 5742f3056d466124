# Shared steps of the end-to-end tests: the real game on a virtual X display of its own.
# Source it with the executable's path as $1; it brings lib/common.bash's harness along.

executable=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/common.bash"
source "$(dirname "${BASH_SOURCE[0]}")/display.bash"

# The window's zoom, which VELQUAN_E2E_ZOOM chooses for the game before it starts.
zoom=${VELQUAN_E2E_ZOOM:-1}
# Kept in the test's settings, for every game it starts.
if [ "$zoom" != 1 ]; then
  mkdir -p "$XDG_CONFIG_HOME/velquan" && printf '[Window]\nZoom=%s\n' "$zoom" > "$XDG_CONFIG_HOME/velquan/settings.ini"
fi
# Room for the window at that zoom, or on the whole screen at two.
[ "$zoom" = 1 ] && [ -z "${VELQUAN_E2E_FULL_SCREEN:-}" ] || display_size=${display_size:-$((zoom > 1 ? 800 * zoom : 1280))x$((zoom > 1 ? 700 * zoom : 1024))}

# Waits for the one window titled VELQUAN and takes its place ($window, $X, $Y, $WIDTH,
# $HEIGHT, the menu bar's $menu_height and the client area's origin $client_x, $client_y).
find_game_window() {
  wait_for_window '^VELQUAN$'
  [ "$(echo "$window" | wc -l)" -eq 1 ] || fail "more than one VELQUAN window: $window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The client area is the bottom of the window, below the menu bar.
  client_x=$X
  client_y=$((Y + HEIGHT - zoom * $(layout kClientHeight)))
  menu_height=$((client_y - Y))
}

# The zoom and the client area's origin of the game filling a screen $1 x $2 wide and high:
# the largest zoom that fits below the menu bar, centred.
place_on_whole_screen() {
  local width height
  width=$(layout kClientWidth) height=$(layout kClientHeight)
  zoom=$(( $1 / width < ($2 - menu_height) / height ? $1 / width : ($2 - menu_height) / height ))
  client_x=$(( ($1 - 1) / 2 - (zoom * width - 1) / 2 ))
  client_y=$(( menu_height + ($2 - menu_height - 1) / 2 - (zoom * height - 1) / 2 ))
}

# F11, and the game's place on the whole screen.
enter_full_screen() {
  local screen_w screen_h
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  fills_screen() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$X $Y $WIDTH $HEIGHT" = "0 0 $screen_w $screen_h" ]
  }
  x11_key F11
  wait_until fills_screen || fail "F11 did not fill the screen"
  sleep 1 # let the window lay itself out and paint
  place_on_whole_screen "$screen_w" "$screen_h"
}

# Starts the game with the given ranking file, on whatever display is set: a copy in $work,
# or with VELQUAN_E2E_INSTALLED=1 the installed game, for a player whose home is $work. A
# sandbox gives the game a data folder of its own, which VELQUAN_E2E_DATA names inside the
# home (a Flatpak's .var/app/<id>/data).
ranking_file="$work/VELQUAN.ini" game_command=./velquan
if [ -n "${VELQUAN_E2E_INSTALLED:-}" ]; then
  export HOME="$work" XDG_DATA_HOME="$work/data"
  ranking_file="$work/${VELQUAN_E2E_DATA:-data}/velquan/VELQUAN.ini" game_command=$executable
fi
launch_game() {
  [ -n "${VELQUAN_E2E_INSTALLED:-}" ] || cp "$executable" "$work/velquan"
  mkdir -p "${ranking_file%/*}" && cp "$1" "$ranking_file"
  (cd "$work" && exec "$game_command") > "$work/game.log" 2>&1 &
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
  for _ in $(seq 300); do
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
  echo "$((zoom * ($(layout kShotLeft) + $(layout kShotWidth) / 2))) $((zoom * ($(layout kShotTop) + $(layout kShotHeight) / 2)))"
}

# The colour of one pixel of the client area at zoom 1, as "r,g,b".
client_pixel() {
  xwd -root -silent | convert xwd:- -crop "1x1+$((client_x + zoom * $1))+$((client_y + zoom * $2))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

# Saves the screen as a PNG.
screenshot() {
  xwd -root -silent | convert xwd:- "$1"
}

# How many pixels of a rectangle (WxH+X+Y) differ in any channel between two pictures,
# counted by an expression of our own rather than read from a tool's report.
differing_pixels() {  # rectangle a.png b.png
  convert "$2" "$3" -alpha off -crop "$1" +repage -compose difference -composite -separate \
    -evaluate-sequence max -threshold 0 -precision 15 -format '%[fx:int(mean * w * h + 0.5)]' info:
}

# Opens the game's first menu and waits until its popup is up, so that the next key goes to it.
# The game's windows are those of its window's process, as the window names it: in a sandbox
# that is the sandbox's own number for it, not $game_pid.
open_game_menu() {
  local before pid
  pid=$(xdotool getwindowpid "$window")
  before=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)
  xdotool windowfocus --sync "$window"
  xdotool key --delay 100 alt+m
  for _ in $(seq 300); do
    [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -gt "$before" ] && return 0
    sleep 0.1
  done
  fail "the menu did not open"
}

# Chooses the exit command from the menu (no window manager here to send a close request)
# and expects the game to end with status 0.
close_game_from_menu() {
  open_game_menu
  xdotool key x
  expect_game_exit 0
}

# The ranking file as UTF-8 text without carriage returns.
ranking_text() {
  iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'
}

# Waits for the game to end, which it must do before the moment $1 (seconds since the epoch,
# as date +%s.%N gives), and expects status 0; ended_after is set to the seconds it took.
wait_for_exit_before() {
  local deadline=$1 what=$2 start status=""
  start=$(date +%s.%N)
  while kill -0 "$game_pid" 2>/dev/null; do
    if awk -v d="$deadline" -v n="$(date +%s.%N)" 'BEGIN { exit !(n > d + 10) }'; then
      fail "the game did not end after $what"
    fi
    sleep 0.01
  done
  local now
  now=$(date +%s.%N)
  ended_after=$(awk -v s="$start" -v n="$now" 'BEGIN { printf "%.2f", n - s }')
  wait "$game_pid" && status=0 || status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "the game exited with $status after $what"
  awk -v n="$now" -v d="$deadline" 'BEGIN { exit !(n <= d) }' ||
    fail "the game took ${ended_after}s to end after $what, $(awk -v n="$now" -v d="$deadline" 'BEGIN { printf "%.2f", n - d }')s too long"
}

# True when the screenshot $1 shows the start banner ended and the game taking shots: the
# ranking grid's purple heading row is gone, and "SHOT!!", which the black banner panel
# covers, shows its grey face. $2 is the display's scale (the window's zoom unless given).
shows_play_strip() {
  local scale=${2:-$zoom} heading button
  heading="1x1+$((client_x + scale * 300))+$((client_y + scale * ($(layout kGridTop) + 5)))"
  button="$((scale * $(layout kShotWidth)))x$((scale * $(layout kShotHeight)))+$((client_x + scale * $(layout kShotLeft)))+$((client_y + scale * $(layout kShotTop)))"
  [ "$(convert "$1" -crop "$heading" -format '%[fx:int(255*(r+g+b))]' info:)" = 0 ] &&
    convert "$1" -crop "$button" +repage -fx '(r == g && g == b && r > 0.2) ? 1 : 0' \
      -format '%[fx:mean > 0.02]' info: | grep -qx 1
}

# Waits up to thirty seconds for the start banner to end on the X display (see
# shows_play_strip; $1 is the scale).
wait_for_play_strip() {
  for _ in $(seq 100); do
    xwd -root -silent > "$work/strip.xwd"
    shows_play_strip "xwd:$work/strip.xwd" "$@" && return 0
    sleep 0.2
  done
  fail "the play strip did not appear after the start banner"
}

# Starts a game with F3 and, once the start banner has ended, holds "SHOT!!" for the given
# seconds and lets go: the ball then rolls for about as long. released_at is the moment of
# letting go (date +%s.%N).
start_a_roll() {
  x11_key F3
  wait_for_play_strip
  read -r shot_x shot_y <<<"$(shot_button_middle)"
  xdotool mousemove $((client_x + shot_x)) $((client_y + shot_y))
  # One xdotool for press and release: starting a second one on a busy machine would add
  # its own start-up to the hold.
  xdotool mousedown 1 sleep "$1" mouseup 1
  released_at=$(date +%s.%N)
}
