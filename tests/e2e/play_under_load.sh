#!/usr/bin/env bash
# A robot plays whole games on a busy machine, on X11 with the server's own key auto-repeat and
# then on a headless sway desktop, with three busy loops running beside the game: holds of
# Space and of the mouse from 0.1 to 2.5 s, read back through the accessibility bus (see
# lib/robot.py). Every hold must play one putt, the results must add up to the score and
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

# Low enough for any score a minute can make.
printf '[RANK]\r\n' > "$work/low.ini"
for rank in 1 2 3 4 5; do
  printf 'NAME%s=Low %s\r\nSCORE%s=%s\r\n' "$rank" "$rank" "$rank" "$((-100000 - rank))" >> "$work/low.ini"
done

busy_pids=()
start_busy_loops() {
  for _ in 1 2 3; do
    bash -c 'while :; do :; done' &
    busy_pids+=($!)
    cleanup_pids+=($!)
  done
}
stop_busy_loops() {
  kill "${busy_pids[@]}" 2>/dev/null || true
  busy_pids=()
}

# The ranking file saved at close holds every game's name and score, best first.
expect_saved_names() {  # robot output, desktop
  local line name score
  while IFS= read -r line; do
    name=$(sed -n "s/.* as '\(.*\)'$/\1/p" <<<"$line")
    score=$(sed -n 's/.*, score \(-\{0,1\}[0-9]*\),.*/\1/p' <<<"$line")
    ranking_text "$work/VELQUAN.ini" | grep -qx "NAME[1-5]=$name" ||
      fail "$2: '$name' is not in the saved ranking: $(ranking_text "$work/VELQUAN.ini")"
    ranking_text "$work/VELQUAN.ini" | grep -qx "SCORE[1-5]=$score" || fail "$2: the score $score was not saved"
  done <<<"$1"
}

# Plays with the busy loops running; the robot's lines go to $work/robot.out.
run_robot() {  # desktop, x, y of "SHOT!!" on the screen
  start_busy_loops
  local status=0
  /usr/bin/python3 "$atspi_lib/robot.py" --desktop "$1" --seed "$seed" --games "$games" --name "Robot $1" \
    --shot "$2,$3" > "$work/robot.out" 2> "$work/robot.err" || status=$?
  stop_busy_loops
  cat "$work/robot.out"
  [ "$status" -eq 0 ] || fail "$(cat "$work/robot.err")"
}

# On X11, with the display's default key auto-repeat.
start_display
start_accessibility_bus
start_game "$work/low.ini"
read -r shot_x shot_y <<<"$(shot_button_middle)"
run_robot x11 $((client_x + shot_x)) $((client_y + shot_y))
close_game_from_menu
expect_saved_names "$(cat "$work/robot.out")" X11

# On sway, where the game repeats a held key itself. The desktop starts without the X
# display's bus (its panel would look for a tray there), and the game gets a bus of its own.
kill "$xvfb_pid" "$bus_pid" && xvfb_pid="" bus_pid=""
unset DISPLAY DBUS_SESSION_BUS_ADDRESS
start_wayland 1024 768
start_accessibility_bus
launch_game "$work/low.ini"
geometry=$(wl_wait_for_window VELQUAN shown) || fail "no window titled VELQUAN appeared on sway"
read -r X Y _ HEIGHT <<<"$geometry"
run_robot sway $((X + shot_x)) $((Y + HEIGHT - $(layout kClientHeight) + shot_y))
swaymsg -q '[title="^VELQUAN$"] kill'
expect_game_exit
expect_saved_names "$(cat "$work/robot.out")" sway
