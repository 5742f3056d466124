#!/usr/bin/env bash
# The real game on a virtual X display with no window manager: F4 covers the whole screen
# with the black interpreter screen, a double click brings the game back, F4 shows it again,
# and the game then still closes normally. Screenshots are checked pixel by pixel; set
# VELQUAN_E2E_SHOTS to a folder to keep them.
set -euo pipefail

source "$(dirname "$0")/lib/game.bash" "$1"
command -v import >/dev/null || { echo "SKIP: no screenshot tool (imagemagick)"; exit 77; }

readonly screen_w=1024 screen_h=768
# The interpreter's text lies within this top-left box; everything else must be black.
readonly text_w=560 text_h=200

# Its root is white, so any part of the screen left uncovered shows.
start_display -wr
start_game "$source_dir/resources/VELQUAN.ini"
game=$window
game_x=$X game_y=$Y game_w=$WIDTH game_h=$HEIGHT
echo "game window at ${X},${Y} size ${WIDTH}x${HEIGHT}"

wait_for_window() {  # name, "shown" or "gone"
  for _ in $(seq 100); do
    local found
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)
    if [ "$2" = shown ] && [ -n "$found" ]; then echo "$found"; return 0; fi
    if [ "$2" = gone ] && [ -z "$found" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Takes a screenshot and prints: non-black pixels outside the text box, white pixels inside
# it, and non-black pixels inside the game window's rectangle.
count_pixels() {
  local name="$work/$1"
  import -window root -depth 8 "rgb:$name.rgb"
  if [ -n "${VELQUAN_E2E_SHOTS:-}" ]; then
    mkdir -p "$VELQUAN_E2E_SHOTS"
    import -window root "$VELQUAN_E2E_SHOTS/disguise-$1.png"
  fi
  od -An -v -tu1 -w3 "$name.rgb" | awk -v w=$screen_w -v tw=$text_w -v th=$text_h \
    -v gx="$game_x" -v gy="$game_y" -v gw="$game_w" -v gh="$game_h" '
    { i = NR - 1; x = i % w; y = int(i / w); black = ($1 + $2 + $3 == 0)
      if (x < tw && y < th) { if ($1 == 255 && $2 == 255 && $3 == 255) white++ }
      else if (!black) outside++
      if (x >= gx && x < gx + gw && y >= gy && y < gy + gh && !black) game++ }
    END { printf "%d %d %d\n", outside, white, game }'
}

# Counts the pixels (setting outside, white and in_game) until the condition holds, for up to
# fifteen seconds: a busy machine may take a while to paint a window that has just appeared.
count_pixels_until() {  # name condition
  for _ in $(seq 30); do
    read -r outside white in_game < <(count_pixels "$1")
    eval "$2" && return 0
    sleep 0.2
  done
  return 1
}

count_pixels_until game '[ "$in_game" -gt $((game_w * game_h / 2)) ]' || true
echo "before F4: $outside non-black pixels outside the text box, $in_game in the game window"
[ "$in_game" -gt $((game_w * game_h / 2)) ] || fail "the game window is not drawn ($in_game pixels)"

show_disguise() {
  game=$(wait_for_window VELQUAN shown) || fail "the game window is gone"
  xdotool windowfocus --sync "$game"
  x11_key F4
  local boss
  boss=$(wait_for_window BossForm1 shown) || fail "F4 showed no disguise window"
  eval "$(xdotool getwindowgeometry --shell "$boss")"
  [ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,$screen_w,$screen_h" ] ||
    fail "disguise window at $X,$Y size ${WIDTH}x$HEIGHT, not over the whole screen"
}

check_covered() {  # label, minimum white pixels
  count_pixels_until "$1" "[ \"\$outside\" -eq 0 ] && [ \"\$white\" -gt $2 ]" || true
  echo "$1: $outside non-black pixels outside the text box, $white white inside it, $in_game in the game window"
  [ "$outside" -eq 0 ] || fail "$1: the screen is not all black outside the text ($outside pixels)"
  [ "$white" -gt "$2" ] || fail "$1: too little white text ($white pixels)"
}

close_disguise() {  # label
  xdotool mousemove 500 600 click --repeat 2 --delay 60 1
  wait_for_window BossForm1 gone || fail "a double click did not close the disguise window"
  wait_for_window VELQUAN shown >/dev/null || fail "the game window is gone"
  count_pixels_until "$1" '[ "$in_game" -gt $((game_w * game_h / 2)) ]' || true
  echo "after the double click: $in_game non-black pixels in the game window"
  [ "$in_game" -gt $((game_w * game_h / 2)) ] || fail "the game window did not come back ($in_game pixels)"
}

show_disguise
check_covered disguise 800
baseline_white=$white
xdotool type --delay 50 "LIST"
check_covered typed $((baseline_white + 100))
close_disguise game-back

show_disguise
check_covered disguise-again $((baseline_white + 100))  # the typed text is still there
close_disguise game-back-again

window=$(wait_for_window VELQUAN shown) || fail "the game window is gone"
close_game_from_menu
echo "the game closed normally"
