#!/usr/bin/env bash
# The real game on a virtual X display: it starts, shows one 509-pixel-wide window titled
# VELQUAN, and on a close request from its menu writes the ranking file and exits with 0.
set -euo pipefail

executable=$(realpath "$1")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp "$executable" "$work/velquan"
cp "$source_dir/resources/VELQUAN.ini" "$work/VELQUAN.ini"

# A display of its own, whichever number is free.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"
[ "$DISPLAY" != ":" ] || fail "Xvfb did not start"

unset QT_QPA_PLATFORM
(cd "$work" && exec ./velquan) > "$work/game.log" 2>&1 &
game_pid=$!

window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^VELQUAN$' 2>/dev/null || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { cat "$work/game.log" >&2; fail "no window titled VELQUAN appeared"; }
[ "$(echo "$window" | wc -l)" -eq 1 ] || fail "more than one VELQUAN window: $window"

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 509 ] || fail "window is $WIDTH pixels wide, expected 509"
# The client area is 425 high below the menu bar.
[ "$HEIGHT" -gt 425 ] && [ "$HEIGHT" -lt 480 ] || fail "window is $HEIGHT pixels high"
echo "window $window: ${WIDTH}x${HEIGHT}"

# Without the file, only a save at close can bring it back.
rm "$work/VELQUAN.ini"

xdotool windowfocus --sync "$window"
xdotool key --delay 100 alt+m
sleep 0.5
xdotool key x

status=""
for _ in $(seq 100); do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    wait "$game_pid" && status=0 || status=$?
    break
  fi
  sleep 0.1
done
[ -n "$status" ] || fail "the game did not exit after its exit command"
game_pid=""
[ "$status" -eq 0 ] || fail "the game exited with $status"

[ -f "$work/VELQUAN.ini" ] || fail "no ranking file was written"
iconv -f CP932 -t UTF-8 "$work/VELQUAN.ini" | tr -d '\r' > "$work/saved.txt"
expected=$(iconv -f CP932 -t UTF-8 "$source_dir/resources/VELQUAN.ini" | tr -d '\r')
[ "$(cat "$work/saved.txt")" = "$expected" ] || { diff <(echo "$expected") "$work/saved.txt" >&2; fail "saved ranking differs"; }
