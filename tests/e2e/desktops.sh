#!/usr/bin/env bash
# The game on the desktop most players run, headless: $2 names the desktop's driver
# (lib/gnome.bash), $3 the window system ("default": the
# game's own choice). F11 there and back, at the idle screen and during play, gives back the
# window at its place with its whole picture, full screen puts it on black, F4 and a double
# click come back to it, and the boxes open over the game.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/$2.bash"
require_desktop_tools
start_desktop 1280 1024
[ "$3" = default ] && unset QT_QPA_PLATFORM || export QT_QPA_PLATFORM=$3
# As in wayland.sh: Qt's Wayland plugin leaves allocations past the sanitizer's report.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
# Scores below any game's, so that the minute's end always asks for a name.
printf '[RANK]\r\n' > "$work/low.ini"
for rank in 1 2 3 4 5; do printf 'NAME%d=Z\r\nSCORE%d=-999\r\n' $rank $rank >> "$work/low.ini"; done
launch_game "$work/low.ini"
window_is() { [ "$(desk_window "$1")" "${@:2}" ]; }  # title, then test's operator and operand
wait_until window_is VELQUAN != "" || fail "no window titled VELQUAN appeared"
sleep 1 # let the desktop settle the window's place and the game paint it

# Pure white or see-through pixels of the game's area (the lower three quarters of the
# window's frame, below any title bar: Qt's GNOME-style one is white) in a screenshot, in percent.
empty_percent() {  # file.png
  convert "$1" -crop "${frame[2]}x$((frame[3] * 3 / 4))+${frame[0]}+$((frame[1] + frame[3] / 4))" +repage \
    -fx '(a < 1 || (r == 1 && g == 1 && b == 1)) ? 1 : 0' -format '%[fx:int(100 * mean)]' info:
}
# F11 fills the screen on black; F11 again gives back the window where it was, as $1.png.
full_screen_and_back() {  # name
  desk_key F11
  wait_until window_is VELQUAN = "0 0 1280 1024 1" || fail "F11 did not fill the screen: $(desk_window VELQUAN)"
  sleep 0.5 && desk_screenshot "$work/$1-full.png"
  [ "$(convert "$work/$1-full.png" -crop 1x1+5+600 -format '%[fx:int(255 * (r + g + b)) + int(a)]' info:)" = 1 ] ||
    fail "$1: the screen beside the full-screen picture is not black"
  desk_key F11
  wait_until window_is VELQUAN = "${frame[*]}" || fail "$1: back at $(desk_window VELQUAN), not at ${frame[*]}"
  sleep 1 && desk_screenshot "$work/$1.png"
  echo "$1: F11 there and back, the window at ${frame[*]}"
}

read -ra frame < <(desk_window VELQUAN)
desk_screenshot "$work/before.png"
for trip in 1 2; do
  full_screen_and_back "idle-$trip"
  # The game's area: the title bar may show the keyboard's coming and going.
  differ=$(differing_pixels "${frame[2]}x$((frame[3] * 3 / 4))+${frame[0]}+$((frame[1] + frame[3] / 4))" \
    "$work/before.png" "$work/idle-$trip.png")
  [ "$differ" = 0 ] || fail "after full screen, $differ pixels of the window differ from its picture before"
done

desk_key F4
wait_until window_is BossForm1 != "" || fail "F4 showed no disguise"
sleep 1 && desk_double_click 640 100 # as a hand would, once the disguise shows
wait_until window_is BossForm1 = "" || fail "a double click did not leave the disguise"
[ "$(desk_window VELQUAN)" = "${frame[*]}" ] || fail "after the disguise, the window is at $(desk_window VELQUAN)"

desk_key F3
sleep 4 # past the start banner
full_screen_and_back playing
[ "$(empty_percent "$work/playing.png")" -lt 3 ] || fail "during play, the window came back $(empty_percent "$work/playing.png") % empty"

# Boxes over the game: GNOME Shell 43 and 44 place a native client's box as any new window,
# having no way for it to say it is a dialog (the game's own choice there is Xwayland before
# Qt 6.8; the Flatpak's Qt 6.8 runs natively).
native=$(desk_eval "global.get_window_actors().map(a => a.meta_window).find(w => w.get_title() === 'VELQUAN')
  .get_client_type() === imports.gi.Meta.WindowClientType.WAYLAND")
box_over_game() {  # title, the game's "x y width height"
  local box off_x off_y
  read -ra box < <(desk_window "$1")
  read -r x y w h <<<"$2"
  off_x=$(((2 * box[0] + box[2] - 2 * x - w) / 2)) off_y=$(((2 * box[1] + box[3] - 2 * y - h) / 2))
  echo "$1 at ${box[*]}, its centre off the game's by $off_x,$off_y"
  [ "$native" = true ] || { [ "${off_x#-}" -le 100 ] && [ "${off_y#-}" -le 100 ]; } || fail "$1 is not over the game"
}
# The name box at the minute's end, in full screen; Return takes the name, F11 gives the window back.
desk_key F11
wait_until window_is VELQUAN = "0 0 1280 1024 1" || fail "F11 did not fill the screen during play"
for _ in $(seq 100); do box=$(desk_window "1 位ニ ランクサレマシタ") && [ -n "$box" ] && break; sleep 1; done
[ -n "$box" ] || fail "no name box at the minute's end"
box_over_game "1 位ニ ランクサレマシタ" "0 0 1280 1024"
desk_key Return
wait_until window_is "1 位ニ ランクサレマシタ" = "" || fail "Return did not close the name box"
desk_key F11
wait_until window_is VELQUAN = "${frame[*]}" || fail "after the name box, back at $(desk_window VELQUAN), not at ${frame[*]}"

desk_key Alt_L+h && sleep 0.5 && desk_key i
wait_until window_is インフォメーション != "" || fail "Information's box did not open"
box_over_game インフォメーション "${frame[*]:0:4}"
