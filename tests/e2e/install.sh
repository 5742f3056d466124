#!/usr/bin/env bash
# The install puts the game where a desktop finds it, and the installed game, whose folder the
# player cannot write, keeps its ranking in the player's data folder, seeded once from the
# installed starter ranking.
set -euo pipefail

source "$(dirname "$0")/lib/game.bash" "$1"
build_dir=$(dirname "$(dirname "$executable")")
prefix="$work/prefix with space"

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

start_display
export XDG_DATA_HOME="$work/xdg"

# As a system install is: the executable's folder read-only to the player. The superuser can
# write anywhere, so it plays as an ordinary user.
chmod a-w "$prefix/bin"
play_as_ordinary_user
mkdir -m 1777 "$XDG_DATA_HOME"
ranking="$XDG_DATA_HOME/velquan/VELQUAN.ini"

run_until_signal() {
  (cd "$data" && exec "${as_player[@]}" "$prefix/bin/velquan") > "$work/game.log" 2>&1 &
  game_pid=$!
  find_game_window
  kill -TERM "$game_pid"
  expect_game_exit 0
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

# An install into a folder of the player's own (--prefix ~/.local): bin is writable, and
# still the ranking goes to the player's data folder, never beside the executable.
chmod u+w "$prefix/bin"
as_player=()
export XDG_DATA_HOME="$work/xdg-own"
run_until_signal
[ ! -e "$prefix/bin/VELQUAN.ini" ] || fail "the installed game wrote its ranking into bin"
grep -q "^NAME5=" "$XDG_DATA_HOME/velquan/VELQUAN.ini" || fail "the installed game with a writable bin saved no player's copy"
echo "writable bin: the ranking still lives in the player's data folder"
