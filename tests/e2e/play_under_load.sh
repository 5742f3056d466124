#!/usr/bin/env bash
# A robot plays whole games on a busy machine, on X11 with the server's own key auto-repeat and
# at the same time on a headless sway desktop, with three busy loops running beside the games:
# holds of Space and of the mouse from 0.1 to 2.5 s, read back through the accessibility bus
# (see lib/robot.py). Every hold must play one putt, the results must add up to the score and
# step the level, and each game's score must enter the ranking under the name typed.
#   VELQUAN_ROBOT_SEED=N repeats a run; VELQUAN_ROBOT_GAMES=N plays N games on each desktop.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/atspi.bash"
source "$(dirname "$0")/lib/wayland.bash"
require_wayland_tools

seed=${VELQUAN_ROBOT_SEED:-$((RANDOM + 1))}
games=${VELQUAN_ROBOT_GAMES:-1}
echo "seed $seed (VELQUAN_ROBOT_SEED=$seed repeats this run), $games game(s) on each desktop"

# Each desktop's game in a folder of its own, with a ranking low enough for any score a
# minute can make.
for desktop in x11 sway; do
  mkdir "$work/$desktop"
  cp "$executable" "$work/$desktop/velquan"
  printf '[RANK]\r\n' > "$work/$desktop/VELQUAN.ini"
  for rank in 1 2 3 4 5; do
    printf 'NAME%s=Low %s\r\nSCORE%s=%s\r\n' "$rank" "$rank" "$rank" "$((-100000 - rank))" >> "$work/$desktop/VELQUAN.ini"
  done
done

# sway first: its panel must not look for a tray on the bus the games use.
start_wayland 1024 768
start_accessibility_bus
start_display
(cd "$work/sway" && unset DISPLAY && exec ./velquan) > "$work/sway.log" 2>&1 &
sway_game=$!
(cd "$work/x11" && unset WAYLAND_DISPLAY && exec ./velquan) > "$work/x11.log" 2>&1 &
x11_game=$!

# Where "SHOT!!" is on each screen.
read -r shot_x shot_y <<<"$(shot_button_middle)"
x11_window() { window=$(xdotool search --all --onlyvisible --pid "$x11_game" --name '^VELQUAN$' 2>/dev/null | head -n1); [ -n "$window" ]; }
wait_until x11_window || fail "no game window on X11"
eval "$(xdotool getwindowgeometry --shell "$window")"
x11_shot="$((X + shot_x)),$((Y + HEIGHT - $(layout kClientHeight) + shot_y))"
geometry=$(wl_wait_for_window VELQUAN shown) || fail "no game window on sway"
read -r X Y _ HEIGHT <<<"$geometry"
sway_shot="$((X + shot_x)),$((Y + HEIGHT - $(layout kClientHeight) + shot_y))"

# Three busy loops for as long as the games run, as a browser or a compile beside the game.
busy=()
for _ in 1 2 3; do
  bash -c 'while :; do :; done' &
  busy+=($!)
done
robot() {  # desktop, game's process id, "SHOT!!" as x,y
  /usr/bin/python3 "$atspi_lib/robot.py" --desktop "$1" --pid "$2" --seed "$seed" --games "$games" \
    --name "Robot $1" --shot "$3" > "$work/$1.out" 2> "$work/$1.err"
}
robot x11 "$x11_game" "$x11_shot" &
x11_robot=$!
robot sway "$sway_game" "$sway_shot" &
sway_robot=$!
x11_status=0 sway_status=0
wait "$x11_robot" || x11_status=$?
wait "$sway_robot" || sway_status=$?
kill "${busy[@]}"
cat "$work/x11.out" "$work/sway.out"
[ "$x11_status" -eq 0 ] || fail "on X11: $(cat "$work/x11.err")"
[ "$sway_status" -eq 0 ] || fail "on sway: $(cat "$work/sway.err")"

# Closed, each game's ranking file holds every name and score its robot entered.
x11_window && xdotool windowfocus --sync "$window"
xdotool key --delay 100 alt+m
sleep 0.5
xdotool key x
swaymsg -q '[title="^VELQUAN$"] kill'
for desktop in x11 sway; do
  game=${desktop}_game
  gone() { ! kill -0 "$1" 2>/dev/null; }
  wait_until gone "${!game}" || fail "the game on $desktop did not close"
  while IFS= read -r line; do
    name=$(sed -n "s/.* as '\(.*\)'$/\1/p" <<<"$line")
    score=$(sed -n 's/.*, score \(-\{0,1\}[0-9]*\),.*/\1/p' <<<"$line")
    ranking_text "$work/$desktop/VELQUAN.ini" | grep -qx "NAME[1-5]=$name" ||
      fail "$desktop: '$name' is not in the saved ranking: $(ranking_text "$work/$desktop/VELQUAN.ini")"
    ranking_text "$work/$desktop/VELQUAN.ini" | grep -qx "SCORE[1-5]=$score" || fail "$desktop: the score $score was not saved"
  done < "$work/$desktop.out"
done
