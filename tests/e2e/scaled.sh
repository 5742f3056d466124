#!/usr/bin/env bash
# The real game on a virtual X display scaled by two (QT_SCALE_FACTOR=2): the window is twice
# the size, and the pictures, the texts, the power bar and the play strip are drawn at the
# finer resolution instead of being blown up from 1x. Set VELQUAN_E2E_SHOTS to a folder to
# keep the screenshots.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"

display_size=1280x1024
start_display
export QT_SCALE_FACTOR=2
start_game "$source_dir/resources/VELQUAN.ini"
echo "window ${WIDTH}x$HEIGHT"
[ "$WIDTH" -eq $((2 * $(layout kClientWidth))) ] || fail "window is $WIDTH pixels wide, expected twice the layout's"
# The client area is the bottom twice-its-height device pixels of the window.
client_y=$((Y + HEIGHT - 2 * $(layout kClientHeight)))

shot() {  # name
  sleep 0.5
  screenshot "$work/$1.png"
  if [ -n "${VELQUAN_E2E_SHOTS:-}" ]; then
    mkdir -p "$VELQUAN_E2E_SHOTS"
    cp "$work/$1.png" "$VELQUAN_E2E_SHOTS/scaled-$1.png"
  fi
}

# Pixels of a client rectangle (layout pixels) that differ from the same rectangle with each
# 2 x 2 block made one colour: none when it was blown up from 1x.
fine_detail() {  # shot x y width height
  local crop="$((2 * $4))x$((2 * $5))+$((client_x + 2 * $2))+$((client_y + 2 * $3))"
  convert "$work/$1.png" -crop "$crop" +repage "$work/crop.png"
  convert "$work/crop.png" -sample 50% -sample 200% "$work/blocks.png"
  differing_pixels "$((2 * $4))x$((2 * $5))+0+0" "$work/crop.png" "$work/blocks.png"
}

expect_fine() {  # label shot x y width height
  local differ
  differ=$(fine_detail "$2" "$3" "$4" "$5" "$6")
  echo "$1: $differ pixels finer than 1x"
  [ "$differ" -gt $(($5 * $6 / 50)) ] || fail "$1 is blown up from 1x ($differ pixels differ)"
}

grid_shown() { [ "$(client_pixel 600 380)" = "128,0,128" ]; }
wait_until grid_shown || fail "the idle screen does not show the ranking grid"
shot idle
expect_fine "sky picture" idle 30 43 449 130
expect_fine "stone top bar with its captions" idle 30 0 449 43
expect_fine "ground picture" idle 30 275 449 130
expect_fine "ranking table" idle 34 185 441 90

x11_key F3
wait_for_play_strip 2
shot playing
expect_fine "power bar" playing 36 260 120 10
expect_fine "shot button" playing 118 184 77 33
expect_fine "play strip" playing 28 230 455 30

close_game_from_menu
echo "the scaled window was drawn at full resolution"
