#!/usr/bin/env bash
# The real game on a virtual X display ends cleanly on SIGTERM, SIGINT and SIGHUP: it saves
# the ranking and exits with 0, also while a menu, a modal box or the disguise screen is
# open. When the ranking cannot be saved, the signal's close says so in the error box, and
# the game ends with 1.
set -euo pipefail

source "$(dirname "$0")/lib/game.bash" "$1"

cp "$executable" "$work/velquan"
expected=$(ranking_text "$source_dir/resources/VELQUAN.ini")

start_display

# Windows titled VELQUAN: the game's, and the error box's, which carries the game's title.
count_windows() { xdotool search --onlyvisible --name '^VELQUAN$' 2>/dev/null | wc -l; }

wait_for_windows() {
  for _ in $(seq 100); do
    [ "$(count_windows)" -ge "$1" ] && return 0
    sleep 0.1
  done
  fail "$2"
}

start_game() {
  cp "$source_dir/resources/VELQUAN.ini" "$work/VELQUAN.ini"
  (cd "$work" && exec ./velquan) > "$work/game.log" 2>&1 &
  game_pid=$!
  wait_for_windows 1 "no window titled VELQUAN appeared"
  # Without the file, only a save on the way out can bring it back.
  rm "$work/VELQUAN.ini"
}

# Opens the game's first menu and waits until its popup is up.
open_menu() {
  local window before
  window=$(xdotool search --onlyvisible --name '^VELQUAN$' | head -n1)
  before=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)
  xdotool windowfocus --sync "$window"
  xdotool key alt+m
  for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)" -gt "$before" ] && return 0
    sleep 0.1
  done
  fail "the menu did not open"
}

check_saved() {
  [ -f "$work/VELQUAN.ini" ] || fail "no ranking file was written after $1"
  [ "$(ranking_text "$work/VELQUAN.ini")" = "$expected" ] || fail "saved ranking differs after $1"
}

for signal in TERM INT HUP; do
  start_game
  kill -"$signal" "$game_pid"
  expect_game_exit 0
  check_saved "SIG$signal"
  echo "SIG$signal: saved, exit 0"
done

# A storm of signals: the first one closes and saves, the rest must neither close again nor
# kill the game on its way out.
start_game
for _ in $(seq 20); do kill -TERM "$game_pid" 2>/dev/null || true; sleep 0.001; done
expect_game_exit 0
check_saved "20 SIGTERMs"
echo "20 SIGTERMs: saved once, exit 0"

start_game
open_menu
kill -TERM "$game_pid"
expect_game_exit 0
check_saved "SIGTERM with the menu open"
echo "SIGTERM with the menu open: saved, exit 0"

# The disguise screen runs its own modal loop over the whole screen; a signal still ends the
# game cleanly.
start_game
window=$(xdotool search --onlyvisible --name '^VELQUAN$' | head -n1)
xdotool windowfocus --sync "$window"
before=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)
x11_key F4
for _ in $(seq 100); do
  [ "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)" -gt "$before" ] && break
  sleep 0.1
done
[ "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)" -gt "$before" ] || fail "F4 showed no disguise screen"
kill -TERM "$game_pid"
expect_game_exit 0
check_saved "SIGTERM with the disguise screen up"
echo "SIGTERM with the disguise screen up: saved, exit 0"

# A folder where the ranking file should be: the save on closing fails and says so in a box.
open_error_box() {
  start_game
  mkdir "$work/VELQUAN.ini"
  open_menu
  xdotool key x
  wait_for_windows 2 "no error box appeared for the failed save"
}

# The box goes, and the close that the signal asks for can save now.
open_error_box
rmdir "$work/VELQUAN.ini"
kill -TERM "$game_pid"
expect_game_exit 0
check_saved "SIGTERM with the error box up"
echo "SIGTERM with the error box up: saved, exit 0"

# The signal's own close fails too and shows the box again; the next signal ends the game
# with 1, as nothing could be saved.
open_error_box
first_windows=$(xdotool search --onlyvisible --name '^VELQUAN$' | sort)
kill -TERM "$game_pid"
# A box that was not there before the signal.
new_box=""
for _ in $(seq 100); do
  new_box=$(xdotool search --onlyvisible --name '^VELQUAN$' 2>/dev/null | sort | comm -13 <(echo "$first_windows") - || true)
  [ -n "$new_box" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended without reporting its failed save"
  sleep 0.1
done
[ -n "$new_box" ] || fail "no error box for the failed save on SIGTERM"
kill -TERM "$game_pid"
expect_game_exit 1
echo "SIGTERM twice while nothing can be saved: exit 1"
