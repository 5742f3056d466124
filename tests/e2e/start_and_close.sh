#!/usr/bin/env bash
# The real game on a virtual X display: it starts, shows one 509-pixel-wide window titled
# VELQUAN, and on a close request from its menu writes the ranking file and exits with 0.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"

start_display
start_game "$source_dir/resources/VELQUAN.ini"
[ "$WIDTH" -eq 509 ] || fail "window is $WIDTH pixels wide, expected 509"
[ "$HEIGHT" -gt 425 ] && [ "$HEIGHT" -lt 480 ] || fail "window is $HEIGHT pixels high"
echo "window $window: ${WIDTH}x${HEIGHT}"

# Without the file, only a save at close can bring it back.
rm "$work/VELQUAN.ini"
close_game_from_menu

[ -f "$work/VELQUAN.ini" ] || fail "no ranking file was written"
[ "$(ranking_text "$work/VELQUAN.ini")" = "$(ranking_text "$source_dir/resources/VELQUAN.ini")" ] ||
  fail "saved ranking differs"
