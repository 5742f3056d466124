#!/usr/bin/env bash
# The game as a screen reader meets it, on a virtual X display with a D-Bus session and the
# accessibility bus of its own: the score and the "SHOT!!" button are read from the running
# game, F3 starts a game, one putt is played with the Space key alone, and the new score is
# read back.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/atspi.bash"

start_display
start_accessibility_bus
start_game "$source_dir/resources/VELQUAN.ini"
[ -z "${VELQUAN_E2E_FULL_SCREEN:-}" ] || enter_full_screen

read_game
[ "${shot:-}" = "SHOT!!" ] || fail "no push button SHOT!! on the accessibility bus"
[ "${shot_enabled:-}" = 1 ] || fail "SHOT!! reads as disabled"
[ "${score:-}" = 0 ] || fail "the score reads '${score:-}', not 0"
[ -n "${high_score:-}" ] || fail "no high score on the bus"
[ "${ranking_showing:-}" = 1 ] || fail "the ranking table does not read as showing while idle"
[ "${ranking_cells:-}" = 18 ] || fail "the ranking table has ${ranking_cells:-no} cells, not 18"
[ "${windows:-}" = 1 ] || fail "the game shows ${windows:-no} top-level objects, not its window alone"
expected_box="$((client_x + zoom * $(layout kShotLeft))) $((client_y + zoom * $(layout kShotTop))) $((zoom * $(layout kShotWidth))) $((zoom * $(layout kShotHeight)))"
[ "${shot_box:-}" = "$expected_box" ] || fail "SHOT!! reads as placed at ${shot_box:-nowhere}, not where it shows: $expected_box"
echo "idle: status '${status:-}', score $score, high score $high_score, ranking of $ranking_cells cells"

# Outside a game Space does nothing.
xdotool key space
sleep 0.5
read_game
[ "$score" = 0 ] && [ "$shot_pressed" = 0 ] || fail "Space outside a game changed something"

x11_key F3
for _ in $(seq 100); do
  read_game
  [ "$ranking_showing" = 0 ] && break
  sleep 0.1
done
[ "$ranking_showing" = 0 ] || fail "the ranking did not hide after F3"

# Until the putt has been heard, or thirty seconds on a machine too busy to get that far.
listen_to_game 30
xdotool keydown space
sleep 0.3
read_game
held=$shot_pressed
xdotool keyup space
[ "$held" = 1 ] || fail "SHOT!! did not read as pressed while Space was held"

for _ in $(seq 50); do
  read_game
  [ "$score" != 0 ] && [ -n "${result:-}" ] && break
  sleep 0.1
done
[ "$score" != 0 ] || fail "the score did not change after a putt played with Space"
# The first putt of a game is played at level 1: a miss, an approach or an in.
case "$score" in
  -1) expected="-1 point" ;;
  31) expected="+30+1 point" ;;
  101) expected="+100+1 point" ;;
  *) fail "the score after one putt reads '$score'" ;;
esac
[[ "${result:-}" == *"$expected" ]] || fail "the result message reads '${result:-}' for a score of $score"
echo "played with Space: status '${status:-}', result '${result:-}', score $score"

# A screen reader hears of the changes as they happen, not only when it asks.
wait_for_listener
grep -qx 'shot-enabled 0' <<<"$heard" || fail "SHOT!! was not heard to be disabled while the ball rolled: $heard"
grep -qx 'shot-enabled 1' <<<"$heard" || fail "SHOT!! was not heard to be enabled again: $heard"
grep -q '^power-value [1-9]' <<<"$heard" || fail "no value event from the power bar: $heard"
grep -qx "score-name $score" <<<"$heard" || fail "no name event for the new score: $heard"
echo "heard $(wc -l <<<"$heard") events, among them: $(grep -m1 '^power-value' <<<"$heard"), score-name $score"

close_game_from_menu
