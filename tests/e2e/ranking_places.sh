#!/usr/bin/env bash
# Where a portable copy keeps its ranking when its folder is read-only (a shared or read-only
# medium): in place when the file is writable, else in the player's data folder, copied from
# the file beside the executable. Played as an ordinary user, since the superuser may write
# anywhere; everything that user needs is copied into the test's own folder first.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"

[ "$(id -u)" -eq 0 ] || skip "needs root to play as an ordinary user in a read-only folder"
play_as_ordinary_user
start_display

copy="$work/portable"
mkdir -m 755 "$copy"
cp "$executable" "$copy/velquan"
export XDG_DATA_HOME="$work/xdg"
mkdir -m 1777 "$XDG_DATA_HOME"
player_copy="$XDG_DATA_HOME/velquan/VELQUAN.ini"

# Starts the copy as the player, waits for its window and ends it with SIGTERM.
run_once() {
  (cd "$copy" && exec "${as_player[@]}" ./velquan) > "$work/game.log" 2>&1 &
  game_pid=$!
  wait_for_window '^VELQUAN$'
  # Only a save can bring this marker back to the saved form.
  kill -TERM "$game_pid"
  expect_game_exit 0
}

printf '[RANK]\r\nNAME1=disc\r\nSCORE1=777\r\n' > "$copy/VELQUAN.ini"
chmod 666 "$copy/VELQUAN.ini"
chmod 555 "$copy"
inode=$(stat -c %i "$copy/VELQUAN.ini")
run_once "read-only folder, writable file"
grep -q "^NAME5=" "$copy/VELQUAN.ini" || fail "the ranking beside the executable was not saved in place"
[ "$(stat -c %i "$copy/VELQUAN.ini")" = "$inode" ] || fail "the file was replaced, not written in place"
[ ! -e "$player_copy" ] || fail "a player's copy was made although the file beside was writable"
echo "read-only folder, writable file: saved in place"

chmod 644 "$copy/VELQUAN.ini"
before=$(md5sum < "$copy/VELQUAN.ini")
run_once "read-only folder and file"
[ -f "$player_copy" ] || fail "no player's copy at ${player_copy#"$work"/}"
grep -q "^SCORE1=777" "$player_copy" || fail "the player's copy was not made from the file beside the executable"
grep -q "^NAME5=" "$player_copy" || fail "the player's copy was not saved"
[ "$(md5sum < "$copy/VELQUAN.ini")" = "$before" ] || fail "the read-only file beside the executable changed"
echo "read-only folder and file: player's copy made from it and saved"
chmod 755 "$copy"
