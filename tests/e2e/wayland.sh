#!/usr/bin/env bash
# The real game on a headless Wayland desktop with a panel and no X display: it starts
# natively, F3 starts a game, a held press plays a shot, F4 covers the whole output panel
# included, a double click brings the game back, and closing the window saves the ranking.
# At a zoom (VELQUAN_E2E_ZOOM) its pixels are blocks, and F11 centres it on black. Set
# VELQUAN_E2E_SHOTS to a folder to keep the screenshots.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/wayland.bash"
require_wayland_tools

readonly screen_w=$((zoom > 1 ? 1280 : 1024)) screen_h=$((zoom > 1 ? 1024 : 768))
# The interpreter's text lies within this top-left box; everything else must be black.
readonly text_w=560 text_h=200

keep() {  # name
  if [ -n "${VELQUAN_E2E_SHOTS:-}" ]; then
    mkdir -p "$VELQUAN_E2E_SHOTS"
    cp "$work/$1.png" "$VELQUAN_E2E_SHOTS/wayland-$1.png"
  fi
}
shot() {  # name
  sleep 0.5 # let the window finish painting
  wl_screenshot "$work/$1.png"
  keep "$1"
}
client_pixel() {  # x y in the client area, as "r,g,b"
  convert "$work/$3.png" -crop "1x1+$((client_x + zoom * $1))+$((client_y + zoom * $2))" \
    -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

# Waits for the window at the zoom and takes its client area's place.
find_wayland_window() {
  for _ in $(seq 100); do
    read -r X Y WIDTH HEIGHT < <(wl_window_geometry VELQUAN) || true
    [ "${WIDTH:-}" = $((zoom * $(layout kClientWidth))) ] && break
    sleep 0.1
  done
  [ "${WIDTH:-}" = $((zoom * $(layout kClientWidth))) ] || fail "window is ${WIDTH:-not} wide, expected ×$zoom"
  client_x=$X
  client_y=$((Y + HEIGHT - zoom * $(layout kClientHeight)))
}

start_wayland $screen_w $screen_h
# Under the sanitizer: the Wayland client library and Qt's Wayland plugin leave allocations at
# exit, and the plugin is unloaded before the report, so no suppression can name it. The
# game's own leaks are checked by every X11 run.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
launch_game "$source_dir/resources/VELQUAN.ini"
wl_wait_for_window VELQUAN shown >/dev/null || fail "no window titled VELQUAN appeared"
find_wayland_window
echo "game window at $X,$Y size ${WIDTH}x$HEIGHT"
shell=$(swaymsg -t get_tree | jq -r '.. | objects | select(.name? == "VELQUAN") | .shell' | head -n1)
[ "$shell" = xdg_shell ] || fail "the game is not a native Wayland client (shell: $shell)"
# A point of the ranking grid's heading row, clear of its texts.
heading_y=$(($(layout kGridTop) + 5))

shot idle
[ "$(client_pixel 300 "$heading_y" idle)" = "128,0,128" ] || fail "the idle screen does not show the ranking grid"
if [ "$zoom" != 1 ]; then
  client_area="$((zoom * $(layout kClientWidth)))x$((zoom * $(layout kClientHeight)))"
  convert "$work/idle.png" -crop "$client_area+$client_x+$client_y" +repage "$work/idle-zoomed.png"
  convert "$work/idle-zoomed.png" -sample "$((100 / zoom))%" -sample "${zoom}00%" "$work/idle-blocks.png"
  differ=$(differing_pixels "$client_area+0+0" "$work/idle-zoomed.png" "$work/idle-blocks.png")
  [ "$differ" = 0 ] || fail "at ×$zoom, $differ pixels are not in $zoom × $zoom blocks"
  echo "×$zoom: every pixel a $zoom × $zoom block"
  # F11: the whole output, black left of the picture and the grid where the picture is centred.
  wl_key -k F11
  for _ in $(seq 50); do [ "$(wl_window_geometry VELQUAN)" = "0 0 $screen_w $screen_h" ] && break; sleep 0.1; done
  [ "$(wl_window_geometry VELQUAN)" = "0 0 $screen_w $screen_h" ] || fail "F11 did not fill the output"
  menu_height=$((client_y - Y))
  place_on_whole_screen $screen_w $screen_h
  shot full
  [ "$(convert "$work/full.png" -crop "${client_x}x1+0+$((client_y + 300))" -format '%[fx:maxima]' info:)" = 0 ] ||
    fail "the output left of the full-screen picture is not black"
  [ "$(client_pixel 300 "$heading_y" full)" = "128,0,128" ] || fail "the full-screen picture is not centred"
  wl_key -k Escape
  find_wayland_window
  echo "F11 centred the picture on black; Escape gave the window back"
fi

wl_key -k F3
for _ in $(seq 40); do
  shot playing
  shows_play_strip "$work/playing.png" && break
done
shows_play_strip "$work/playing.png" || fail "F3 did not start a game"

# A press held on the play strip swings the putter; the ball leaves its place.
read -r shot_x shot_y <<<"$(shot_button_middle)"
wl_pointer_to $((client_x + shot_x)) $((client_y + shot_y))
wl_press
sleep 0.7
wl_release
sleep 1.5
shot after-shot
strip="$((zoom * 449))x$((zoom * 102))+$((client_x + zoom * 30))+$((client_y + zoom * 173))"
moved=$(differing_pixels "$strip" "$work/playing.png" "$work/after-shot.png")
echo "the shot changed $moved pixels of the play strip"
[ "$moved" -gt 20 ] || fail "the shot changed nothing on the play strip"

# Non-black pixels outside the text box and white pixels inside it.
count_pixels() {  # name
  convert "$work/$1.png" -depth 8 "rgb:$work/$1.rgb"
  od -An -v -tu1 -w3 "$work/$1.rgb" | awk -v w=$screen_w -v tw=$text_w -v th=$text_h '
    { i = NR - 1; x = i % w; y = int(i / w)
      if (x < tw && y < th) { if ($1 == 255 && $2 == 255 && $3 == 255) white++ }
      else if ($1 + $2 + $3 != 0) outside++ }
    END { printf "%d %d\n", outside, white }'
}

# The rest of the game goes on behind the disguise; the ranking is saved at exit anyway.
rm "$ranking_file"
wl_key -k F4
geometry=$(wl_wait_for_window BossForm1 shown) || fail "F4 showed no disguise window"
[ "$geometry" = "0 0 $screen_w $screen_h" ] || fail "disguise window at $geometry, not over the whole output"
# The pointer is drawn into the output: it waits inside the text box.
wl_pointer_to 300 150
shot disguise
read -r outside white < <(count_pixels disguise)
echo "disguise: $outside non-black pixels outside the text box, $white white inside it"
[ "$outside" -eq 0 ] || fail "the output is not all black outside the text ($outside pixels)"
[ "$white" -gt 800 ] || fail "too little white text ($white pixels)"

wl_double_click 500 600
wl_wait_for_window BossForm1 gone || fail "a double click did not close the disguise window"
wl_wait_for_window VELQUAN shown >/dev/null || fail "the game window is gone"
shot back
[ "$(client_pixel 300 "$heading_y" back)" = "0,0,0" ] || fail "the game is not back after the double click"

# The desktop's close request, as from a title bar's close button.
swaymsg -q '[title="^VELQUAN$"] kill'
expect_game_exit
[ -f "$ranking_file" ] || fail "no ranking file was written"
[ "$(ranking_text "$ranking_file")" = "$(ranking_text "$source_dir/resources/VELQUAN.ini")" ] ||
  fail "saved ranking differs"
echo "played on Wayland: disguise covered the output, ranking saved"
