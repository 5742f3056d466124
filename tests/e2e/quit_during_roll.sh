#!/usr/bin/env bash
# Quitting while the ball rolls or the start banner plays ends the game at once: the exit
# command or a signal closes the window, saves the ranking and ends the process long before
# the roll or the banner could have ended, instead of waiting (and spinning) until then. The
# game's waits never end early, so those ends are known from when they began, however busy
# the machine is.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"

ranking="$source_dir/resources/VELQUAN.ini"
expected=$(ranking_text "$ranking")
start_display

check_saved() {
  [ -f "$work/VELQUAN.ini" ] || fail "no ranking saved after $1"
  [ "$(ranking_text "$work/VELQUAN.ini")" = "$expected" ] || fail "the saved ranking differs after $1"
}

# A six-second hold rolls the ball for as long after the release; the game must end at least
# a second before that roll could have ended.
readonly hold=6
before_roll_end() { awk -v r="$released_at" -v h=$hold 'BEGIN { printf "%.3f", r + h - 1 }'; }

# The exit command in the middle of a roll.
start_game "$ranking"
rm "$work/VELQUAN.ini"
start_a_roll $hold
sleep 0.5
open_game_menu
xdotool key x
wait_for_exit_before "$(before_roll_end)" "the exit command during a roll"
check_saved "the exit command during a roll"
echo "exit command during a roll: saved, ended after ${ended_after}s"

# SIGTERM in the middle of a roll.
start_game "$ranking"
rm "$work/VELQUAN.ini"
start_a_roll $hold
sleep 0.5
kill -TERM "$game_pid"
wait_for_exit_before "$(before_roll_end)" "SIGTERM during a roll"
check_saved "SIGTERM during a roll"
echo "SIGTERM during a roll: saved, ended after ${ended_after}s"

# SIGTERM while the start banner plays, during which the game handles no events. The banner's
# waits add up to 3.16 s from F3; the game must end at least a second before that.
start_game "$ranking"
rm "$work/VELQUAN.ini"
pressed_at=$(date +%s.%N)
x11_key F3
sleep 0.8
kill -TERM "$game_pid"
wait_for_exit_before "$(awk -v p="$pressed_at" 'BEGIN { printf "%.3f", p + 2.16 }')" "SIGTERM during the start banner"
check_saved "SIGTERM during the start banner"
echo "SIGTERM during the start banner: saved, ended after ${ended_after}s"
