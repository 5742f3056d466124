#!/usr/bin/env bash
# CPU the real game spends while a long putt rolls: the waiting loops must sleep in the event
# loop, not spin. Usage: bench/rolling_cpu.sh build/bin/velquan
# Starts the game on a virtual display, plays two putts and reads the process's CPU time
# from /proc while each ball rolls.
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib/game.bash" "$1"

start_display
start_game "$source_dir/resources/VELQUAN.ini"
xdotool key F3
sleep 4

cpu_ns() { awk '{ print $1 }' "/proc/$game_pid/schedstat"; }
# Prints the share of one core the game used over the given seconds.
measure() {
  local before after start elapsed
  before=$(cpu_ns)
  start=$(date +%s%N)
  sleep "$2"
  after=$(cpu_ns)
  elapsed=$(($(date +%s%N) - start))
  awk -v c=$((after - before)) -v e="$elapsed" -v what="$1" \
    'BEGIN { printf "%-40s %5.1f %% of one core (%.0f ms of CPU in %.0f ms)\n", what, 100 * c / e, c / 1e6, e / 1e6 }'
}

# A putt held 1 s rolls about 1 s, all of it on screen.
xdotool mousemove $((client_x + 156)) $((client_y + 200))
xdotool mousedown 1
sleep 1
xdotool mouseup 1
sleep 0.15
measure "while a 1 s putt rolls across the track:" 0.8
sleep 2

# A putt held 6 s rolls about 6 s, most of it beneath the right border.
xdotool mousedown 1
sleep 6
xdotool mouseup 1
sleep 0.15
measure "while a 6 s putt rolls:" 5
sleep 1
measure "between putts, timers running:" 2
close_game_from_menu
