#!/usr/bin/env bash
# The window's sizes on a virtual X display: chosen from the Options menu while the window
# shows, ×2 and ×3 show the ×1 picture with every pixel a block, and the choice is there again
# after a restart.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"

display_size=1600x1400
start_display
start_game "$source_dir/resources/VELQUAN.ini"
width=$(layout kClientWidth) height=$(layout kClientHeight)
client_shot() {  # file
  xwd -root -silent | convert xwd:- -crop "$((zoom * width))x$((zoom * height))+$client_x+$client_y" +repage "$1"
}
is_wide() {  # pixels
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = "$1" ]
}
choose_zoom() {  # zoom
  open_game_menu
  xdotool key --delay 100 Right "$1"
  zoom=$1
  wait_until is_wide $((zoom * width)) || fail "the window did not take zoom $zoom"
  find_game_window
  sleep 0.5
}

client_shot "$work/x1.png"
for chosen in 2 3; do
  choose_zoom $chosen
  client_shot "$work/x$zoom.png"
  convert "$work/x1.png" -scale "${zoom}00%" "$work/x1-blocks.png"
  differ=$(differing_pixels "$((zoom * width))x$((zoom * height))+0+0" "$work/x1-blocks.png" "$work/x$zoom.png")
  [ "$differ" = 0 ] || fail "at ×$zoom, $differ pixels are not the ×1 picture in blocks"
  echo "×$zoom: the ×1 picture in $zoom × $zoom blocks"
done

close_game_from_menu
start_game "$source_dir/resources/VELQUAN.ini"
[ "$WIDTH" = $((3 * width)) ] || fail "after a restart the window is $WIDTH wide, not at ×3"

close_game_from_menu
echo "sizes chosen from the menu, and kept across a restart"
