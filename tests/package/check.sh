#!/usr/bin/env bash
# The Debian package as a distribution would check it: builds it with scripts/package, runs
# lintian, appstreamcli and desktop-file-validate on it, unpacks it into a scratch root and
# starts the game from there on a virtual display as a player with a home of their own, whose
# data folder must then hold the ranking.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib/common.bash"
source "$source_dir/tests/e2e/lib/display.bash"
cd "$source_dir"

deb=$(scripts/package | tail -n1)
[ -f "$deb" ] || fail "scripts/package made no package"
echo "package: $(basename "$deb")"

# Lintian's remaining warnings are overridden in the package, each with its reason; anything
# else fails.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian"
echo "lintian: no errors, no warnings"

root="$work/root"
dpkg-deb -x "$deb" "$root"
app_id=org.velquan.velquan
entry="$root/usr/share/applications/$app_id.desktop"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
# The tree as installed: the metainfo's launchable entry and its icon are there too.
appstreamcli validate-tree --no-net --pedantic "$root" || fail "appstreamcli validate-tree"
desktop-file-validate "$entry" || fail "desktop-file-validate"
echo "metainfo and desktop entry validate"

# Where Debian's policy puts a game, and everything the desktop and man need.
executable="$root/usr/games/velquan"
data="$root/usr/share/games/velquan"
[ -x "$executable" ] || fail "no executable in /usr/games"
file "$executable" | grep -q ', stripped' || fail "the executable is not stripped: $(file "$executable")"
for sound in resources/sounds/*.wav; do
  cmp -s "$sound" "$data/$(basename "$sound")" || fail "sound $(basename "$sound") missing"
done
cmp -s resources/VELQUAN.ini "$data/VELQUAN.ini" || fail "starter ranking missing"
module="$root/usr/lib/games/velquan/velquan-sound.so"
file "$module" | grep -q ', stripped' || fail "no stripped sound module: $(file "$module")"
for size in 16 24 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size} px icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
[ -f "$root/usr/share/man/man6/velquan.6.gz" ] || fail "no manual page"
grep -qx 'Exec="/usr/games/velquan"' "$entry" || fail "desktop entry starts $(grep ^Exec= "$entry")"
version=$(awk '/^[0-9]/ { print $1; exit }' dist/releases)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo names another release"
zcat "$root/usr/share/man/man6/velquan.6.gz" | grep -q "\"velquan $version\"" || fail "manual page names another version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in 'libqt6widgets6' 'libpulse0' 'fonts-horai-umefont | fonts-ipafont-gothic' 'fonts-wqy-microhei' \
  'qt6-translations-l10n'; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
echo "layout, version $version and dependencies as expected"

# The command line answers with no display to reach (a build machine has none): a window
# system started here would abort. The options and variables --help names are the manual's.
[ "$(env -i "$executable" --version)" = "velquan $version" ] || fail "--version: $(env -i "$executable" --version 2>&1)"
help=$(env -i "$executable" --ignored --help) || fail "--help exited with $?"
[[ "$help" == "Usage: velquan "* ]] || fail "--help printed: $help"
manual=$(zcat "$root/usr/share/man/man6/velquan.6.gz" | sed 's/\\-/-/g')
for name in $(grep -oE -- '--[a-z]+|\b[A-Z][A-Z_]{3,}\b' <<<"$help" | sort -u); do
  grep -qF -- "$name" <<<"$manual" || fail "the manual page does not mention $name"
done
echo "--version and --help answer without a display, as the manual page does"

# The player: nobody when this runs as the superuser (who could write anywhere), otherwise
# the caller; either way with a home of their own and the installed folders read-only.
home="$work/home"
mkdir "$home"
chmod -R a-w "$root/usr"
player=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  chown nobody: "$home"
  # setpriv execs the game itself, so the signal below reaches the game, not a session leader.
  player=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --init-groups --)
fi
chmod 700 "$home"

start_display
make_player_runtime
# Starts the installed game as the player with the arguments given, and waits for its window.
start_as_player() {
  (cd "$home" && exec "${player[@]}" env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$work/player-runtime" VELQUAN_TEST_WORK="$work" "$executable" "$@") > "$work/game.log" 2>&1 &
  game_pid=$!
  wait_for_window '^VELQUAN$'
}
# Closes it as a logout does; it must save and exit with 0.
close_as_logout() {
  local status=0
  kill -TERM "$game_pid"
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "the packaged game exited with $status"
}
start_as_player --an-argument-it-ignores

# Desktops tie the window to its entry by the class it names in StartupWMClass.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] && [ "$wm_class" = "$startup_class" ] ||
  fail "window class '$wm_class' is not the entry's StartupWMClass '$startup_class'"
echo "window class $wm_class matches the desktop entry"

# Once the window shows, the sound module comes from the installed library folder.
for _ in $(seq 50); do grep -q velquan-sound "/proc/$game_pid/maps" && break; sleep 0.1; done
grep -qF "$module" "/proc/$game_pid/maps" ||
  fail "the shown window did not load the installed sound module"
xdotool windowfocus --sync "$window" && x11_key F3
echo "the shown window loaded the installed sound module"

close_as_logout

ranking="$home/.local/share/velquan/VELQUAN.ini"
[ -f "$ranking" ] || fail "no ranking in the player's data folder"
cmp -s "$data/VELQUAN.ini" "$ranking" || fail "the player's ranking is not the saved starter"
[ "$(stat -c %U "$ranking")" = "$(stat -c %U "$home")" ] || fail "the ranking belongs to $(stat -c %U "$ranking")"
[ -z "$(find "$root" -name VELQUAN.ini -newer "$deb")" ] || fail "the game wrote into the installed folders"
echo "the packaged game kept its ranking in ${ranking#"$work"/}"

# An office's ranking: an installed copy pointed at a shared file makes it from the starter.
office="$work/office"
mkdir -m 1777 "$office"
start_as_player --ranking "$office/VELQUAN.ini"
close_as_logout
cmp -s "$data/VELQUAN.ini" "$office/VELQUAN.ini" || fail "--ranking did not make the shared file from the starter"
status=0
env -i "$executable" --ranking 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "--ranking without a file exited with $status, not 2"
echo "--ranking made ${office#"$work"/}/VELQUAN.ini from the starter; without a file it stops with 2"
