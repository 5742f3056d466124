#!/usr/bin/env bash
# The installed Flatpak in its sandbox, beside a copy outside it; scripts/flatpak runs this:
#   tests/flatpak/sandbox.sh RUN_FLATPAK HOST_GAME [BRANCH_WITH_HOME_PAGE]
# RUN_FLATPAK runs the app: flatpak run, with the branch $VELQUAN_FLATPAK_BRANCH and the
# options $VELQUAN_FLATPAK_OPTIONS.
# Both games share one ranking in a folder granted with --filesystem and each enters a name:
# the file keeps both. The sandboxed F3 reaches a PulseAudio server, and Information shows its
# box; a build with a real home page asks the OpenURI portal for its page instead.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib/game.bash" "$1"
source "$(dirname "$0")/../e2e/lib/sound.bash"
host_game=$(realpath "$2")
start_display

start_recording_server

office="$work/office"
mkdir "$office"
printf '[RANK]\r\n' >"$office/VELQUAN.ini"
for rank in 1 2 3 4 5; do
  printf 'NAME%s=Low %s\r\nSCORE%s=%s\r\n' "$rank" "$rank" "$rank" "$((-100000 - rank))" >>"$office/VELQUAN.ini"
done
VELQUAN_FLATPAK_OPTIONS="--filesystem=$office" "$executable" --ranking "$office/VELQUAN.ini" >"$work/game.log" 2>&1 &
game_pid=$!
(cd "$work" && exec "$host_game" --ranking "$office/VELQUAN.ini") >"$work/host.log" 2>&1 &
host_pid=$!
# The sandboxed game's process id is its sandbox's own: its windows are those not the host's.
windows() { xdotool search --all --onlyvisible --name "$1" 2>/dev/null || true; }
host_window() { xdotool search --all --onlyvisible --pid "$host_pid" --name "$1" 2>/dev/null | head -n1 || true; }
sandboxed_window() { windows "$1" | grep -vxF "$(host_window "$1")" | head -n1 || true; }
two_windows() { [ "$(windows "$1" | wc -l)" -eq 2 ]; }
wait_until two_windows '^VELQUAN$' || fail "the two games' windows did not appear"
window=$(sandboxed_window '^VELQUAN$')

heard_from=$(stat -c %s "$recording")
xdotool windowfocus --sync "$window" && x11_key F3
loud_ms() { measure_since "$heard_from" | cut -d' ' -f2; }
heard() { [ "$(loud_ms)" -gt 100 ]; }
wait_until heard || fail "the sandboxed game's F3 was not heard on the sound server"
xdotool windowfocus --sync "$(host_window '^VELQUAN$')" && x11_key F3
echo "the sandboxed game's start sound reached PulseAudio: $(loud_ms) ms loud"

# A minute's game each, with no putt: a score of 0 beats every entry there.
for _ in $(seq 1200); do two_windows 'ランクサレマシタ' && break; sleep 0.1; done
two_windows 'ランクサレマシタ' || fail "the two games did not both ask for a name"
for name in Flat Host; do
  [ $name = Flat ] && box=$(sandboxed_window 'ランクサレマシタ') || box=$(host_window 'ランクサレマシタ')
  xdotool windowfocus --sync "$box" type --delay 50 "$name"
  xdotool key Return
done
both_saved() { ranking_text "$office/VELQUAN.ini" | grep -qx 'NAME[12]=Flat' && ranking_text "$office/VELQUAN.ini" | grep -qx 'NAME[12]=Host'; }
wait_until both_saved || fail "the shared ranking lacks an entry: $(ranking_text "$office/VELQUAN.ini")"
echo "a shared ranking granted with --filesystem holds the sandboxed game's entry and the host's"

# Alone on the display: with no window manager, two windows in one place hide each other.
kill -TERM "$host_pid" && wait "$host_pid" || fail "the host's game did not close cleanly"
xdotool windowfocus --sync "$window" key --delay 100 alt+h i
wait_for_window 'インフォメーション'
sleep 1 # let it paint before the picture
[ -z "${VELQUAN_E2E_SHOTS:-}" ] || xwd -silent -id "$window" | convert xwd:- "$VELQUAN_E2E_SHOTS/flatpak-information.png"
xdotool windowfocus --sync "$window" key Return
echo "Information showed its box in the sandbox"
window=$(sandboxed_window '^VELQUAN$')
close_game_from_menu
both_saved || fail "an entry was lost at the close: $(ranking_text "$office/VELQUAN.ini")"
echo "both entries kept after both games closed"

[ -n "${3:-}" ] || exit 0
# A session bus of the test's own, on which the portal starts on demand, as on a desktop.
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
wait_until test -s "$work/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
dbus-monitor "interface='org.freedesktop.portal.OpenURI'" >"$work/portal.log" 2>&1 &
VELQUAN_FLATPAK_BRANCH=$3 launch_game "$office/VELQUAN.ini"
find_game_window
xdotool windowfocus --sync "$window" key --delay 100 alt+h i
asked_portal() { grep -q 'info.php' "$work/portal.log"; }
wait_until asked_portal || fail "Information did not ask the portal: $(cat "$work/portal.log")"
echo "Information asked the OpenURI portal: $(grep -o '"https://[^"]*info.php[^"]*"' "$work/portal.log" | head -n1)"
[ -z "$(windows 'インフォメーション')" ] || fail "a build with a home page showed the box instead"
close_game_from_menu
