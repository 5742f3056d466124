#!/usr/bin/env bash
# Quitting while the ball rolls or the start banner plays ends the game at once: the exit
# command or a signal closes the window, saves the ranking and ends the process within half a
# second, instead of waiting (and spinning) until the roll would have ended.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"

ranking="$source_dir/resources/VELQUAN.ini"
expected=$(ranking_text "$ranking")
start_display -noreset

check_saved() {
  [ -f "$work/VELQUAN.ini" ] || fail "no ranking saved after $1"
  [ "$(ranking_text "$work/VELQUAN.ini")" = "$expected" ] || fail "the saved ranking differs after $1"
}

# The exit command in the middle of a six-second roll.
start_game "$ranking"
rm "$work/VELQUAN.ini"
start_a_roll 3
sleep 0.5
xdotool key alt+m
sleep 0.5
xdotool key x
wait_for_quick_exit 0.5 "the exit command during a roll"
check_saved "the exit command during a roll"
echo "exit command during a roll: saved, ended after ${ended_after}s"

# SIGTERM in the middle of a roll.
start_game "$ranking"
rm "$work/VELQUAN.ini"
start_a_roll 3
sleep 0.5
kill -TERM "$game_pid"
wait_for_quick_exit 0.5 "SIGTERM during a roll"
check_saved "SIGTERM during a roll"
echo "SIGTERM during a roll: saved, ended after ${ended_after}s"

# SIGTERM while the start banner plays, during which the game handles no events.
start_game "$ranking"
rm "$work/VELQUAN.ini"
xdotool key F3
sleep 0.8
kill -TERM "$game_pid"
wait_for_quick_exit 0.5 "SIGTERM during the start banner"
check_saved "SIGTERM during the start banner"
echo "SIGTERM during the start banner: saved, ended after ${ended_after}s"
