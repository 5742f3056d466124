#!/usr/bin/env bash
# A whole game heard through Orca, in order, a putt held for the middle of the cup's powers as
# said; then the disguise's text.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/atspi.bash"
source "$(dirname "$0")/lib/orca.bash"

printf '[RANK]\r\nNAME1=A\r\nSCORE1=50\r\nNAME2=B\r\nSCORE2=40\r\nNAME3=C\r\nSCORE3=30\r\nNAME4=D\r\nSCORE4=20\r\nNAME5=E\r\nSCORE5=10\r\n' > "$work/low.ini"
start_display
start_accessibility_bus
start_orca
start_game "$work/low.ini"
x11_key F3
cup='カップ ([0-9]+)～([0-9]+) パーセント、グリーン [0-9]+～[0-9]+ パーセント'
start=$(heard "^notification GAME START, $cup\.\$" 15)
[[ $start =~ $cup ]]
# The bar steps 5 % every 25 ms from the press: half a step into the range's middle one.
hold=$(((BASH_REMATCH[1] + BASH_REMATCH[2]) / 10 * 25 + 12))
xdotool keydown space sleep "$((hold / 1000)).$(printf %03d $((hold % 1000)))" keyup space
heard "^notification ナイスイン!! \+100\+1 point, SCORE 101, $cup\.\$"
xdotool key t
heard '^notification ノコリ [0-9]+ ビョウ, SCORE 101\.$'
heard '^notification ノコリ 30 ビョウ\.$' 60
heard '^notification ノコリ 10 ビョウ\.$' 30
heard '^notification GAME OVER, SCORE 101, 1 位ニ ランクサレマシタ\.$' 30
heard '^1 位ニ ランクサレマシタ dialog\.$'
heard '^ アナタノ名前 ： text\.$'
game_window=$window
wait_for_window 'ランクサレマシタ'
xdotool key Return
sleep 1
xdotool windowfocus --sync "$game_window"
x11_key F4
heard '^QORVEX N-BASIC Version 2\.4 .* Ready\.$'
