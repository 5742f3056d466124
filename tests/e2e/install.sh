#!/usr/bin/env bash
# The install puts the game where a desktop finds it, and the installed game, whose folder the
# player cannot write, keeps its ranking in the player's data folder, seeded once from the
# installed starter ranking.
set -euo pipefail

executable=$(realpath "$1")
build_dir=$(dirname "$(dirname "$executable")")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
prefix="$work/prefix with space"
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/game.log" ] && cat "$work/game.log" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log" >&2; fail "install failed"; }

data="$prefix/share/velquan"
[ -x "$prefix/bin/velquan" ] || fail "no executable in bin"
for sound in "$source_dir"/resources/sounds/*.wav; do
  cmp -s "$sound" "$data/$(basename "$sound")" || fail "sound $(basename "$sound") not installed"
done
cmp -s "$source_dir/resources/VELQUAN.ini" "$data/VELQUAN.ini" || fail "starter ranking not installed"
app_id=org.velquan.velquan
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
  [ -f "$prefix/share/icons/hicolor/$size/apps/$app_id.png" ] || fail "no $size icon in the hicolor theme"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon in the hicolor theme"
[ -f "$prefix/share/metainfo/$app_id.metainfo.xml" ] || fail "no metainfo"
[ -f "$prefix/share/man/man6/velquan.6.gz" ] || fail "no manual page"
entry="$prefix/share/applications/$app_id.desktop"
[ -f "$entry" ] || fail "no desktop entry"
grep -qx "Exec=\"$prefix/bin/velquan\"" "$entry" || fail "desktop entry does not start the installed executable"
# The sounds are looked up in the working folder.
grep -qx "Path=$data" "$entry" || fail "desktop entry does not start in the data folder"
grep -qx "Icon=$app_id" "$entry" || fail "desktop entry names another icon"
[ ! -e "$prefix/bin/VELQUAN.ini" ] || fail "the install put a ranking beside the executable"
echo "installed: executable, sounds, starter ranking, icons, desktop entry, metainfo, manual page"

# -noreset: the games start one after another, and a server resetting after the last
# client has gone would turn the next one away.
source "$(dirname "$0")/lib/display.bash"
start_display -noreset
export XDG_DATA_HOME="$work/xdg"

# As a system install is: the executable's folder read-only to the player. The superuser can
# write anywhere, so it plays as an ordinary user.
chmod a-w "$prefix/bin"
player=()
if [ "$(id -u)" -eq 0 ]; then
  player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  chmod 755 "$work"
fi
mkdir -m 1777 "$XDG_DATA_HOME"
ranking="$XDG_DATA_HOME/velquan/VELQUAN.ini"

run_until_signal() {
  (cd "$data" && exec "${player[@]}" "$prefix/bin/velquan") > "$work/game.log" 2>&1 &
  game_pid=$!
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^VELQUAN$' 2>/dev/null || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "the installed game showed no window"
  kill -TERM "$game_pid"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "the installed game exited with $status"
}

run_until_signal
cmp -s "$data/VELQUAN.ini" "$ranking" || fail "the ranking at $ranking was not seeded from the starter"
echo "first start: ranking seeded at ${ranking#"$work"/}"

# A ranking of the player's own is never replaced by the starter.
printf '[RANK]\r\nNAME1=mine\r\nSCORE1=4321\r\n' > "$work/mine.ini"
cp "$work/mine.ini" "$ranking"
run_until_signal
grep -q "^SCORE1=4321" "$ranking" || fail "the player's ranking was overwritten"
grep -q "^NAME5=" "$ranking" || fail "the player's ranking was not saved"
cmp -s "$source_dir/resources/VELQUAN.ini" "$data/VELQUAN.ini" || fail "the starter ranking changed"
echo "second start: the player's ranking kept and saved"
