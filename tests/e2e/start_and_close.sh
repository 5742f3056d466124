#!/usr/bin/env bash
# The real game on a virtual X display: it starts, shows one window titled
# VELQUAN as wide as its client area, and on a close request from its menu writes the ranking file and exits with 0.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"

start_display
start_game "$source_dir/resources/VELQUAN.ini"
client_w=$(layout kClientWidth) client_h=$(layout kClientHeight)
[ "$WIDTH" -eq "$client_w" ] || fail "window is $WIDTH pixels wide, expected $client_w"
# The menu bar adds a line of text above the client area.
[ "$HEIGHT" -gt "$client_h" ] && [ "$HEIGHT" -lt $((client_h + 55)) ] || fail "window is $HEIGHT pixels high"
echo "window $window: ${WIDTH}x${HEIGHT}"

# Without the file, only a save at close can bring it back.
rm "$work/VELQUAN.ini"
close_game_from_menu

[ -f "$work/VELQUAN.ini" ] || fail "no ranking file was written"
[ "$(ranking_text "$work/VELQUAN.ini")" = "$(ranking_text "$source_dir/resources/VELQUAN.ini")" ] ||
  fail "saved ranking differs"
