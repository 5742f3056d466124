#!/usr/bin/env bash
# Three players share one ranking file in one folder, as in an office: three real game
# processes each play a game to its end at the same time, and each enters its name. Every
# entry is on the disk at once (even the one whose game is killed right after its name box),
# an idle window shows the others' entries within two seconds, and after the others close the
# file holds all three in the game's order: equal scores, each below those entered before it.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/atspi.bash"

start_display
start_accessibility_bus
printf '[RANK]\r\n' > "$work/VELQUAN.ini"
for rank in 1 2 3 4 5; do
  printf 'NAME%s=Low %s\r\nSCORE%s=%s\r\n' "$rank" "$rank" "$rank" "$((-100000 - rank))" >> "$work/VELQUAN.ini"
done
cp "$executable" "$work/velquan"

players=(Aki Ben Cho)
declare -A pid_of
for player in "${players[@]}"; do
  (cd "$work" && exec ./velquan) > "$work/$player.log" 2>&1 &
  pid_of[$player]=$!
done
windows_of() { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n1 || true; }
has_window() { [ -n "$(windows_of "$1" "$2")" ]; }
for player in "${players[@]}"; do
  wait_until has_window "${pid_of[$player]}" '^VELQUAN$' || fail "$player's window did not appear"
done

# Three games at once; no putt is needed: the score of 0 beats every starter score.
for player in "${players[@]}"; do
  xdotool windowfocus --sync "$(windows_of "${pid_of[$player]}" '^VELQUAN$')" && x11_key F3
done
for player in "${players[@]}"; do
  for _ in $(seq 1200); do
    box=$(windows_of "${pid_of[$player]}" 'ランクサレマシタ')
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "$player's game did not end with the ranking box"
done

ranking_of() { /usr/bin/python3 "$atspi_lib/atspi_probe.py" --ranking "${pid_of[$1]}"; }
saved_names() { ranking_text "$work/VELQUAN.ini" | sed -n 's/^NAME[1-5]=//p' | paste -sd' '; }
expected=()
for player in "${players[@]}"; do
  xdotool windowfocus --sync "$(windows_of "${pid_of[$player]}" 'ランクサレマシタ')"
  xdotool type --delay 30 "$player"
  xdotool key Return
  expected+=("$player")
  if [ "$player" = Cho ]; then
    # Killed right after the name box: the entry is on the disk all the same.
    sleep 0.5
    kill -KILL "${pid_of[$player]}"
  fi
  names="${expected[*]} Low 1"
  for _ in $(seq 50); do
    [[ "$(saved_names)" == "$names"* ]] && break
    sleep 0.1
  done
  [[ "$(saved_names)" == "$names"* ]] || fail "after $player's entry the file holds: $(saved_names)"
  # The first player's window, idle since its own entry, shows each later one within 2 s.
  if [ "$player" != Aki ]; then
    start=$(date +%s%N)
    until ranking_of Aki | grep -qx "$player"; do
      [ $((($(date +%s%N) - start) / 1000000)) -lt 2000 ] || fail "Aki's window did not show $player's entry in 2 s: $(ranking_of Aki | paste -sd' ')"
      sleep 0.1
    done
    echo "Aki's window showed $player's entry after $((($(date +%s%N) - start) / 1000000)) ms"
  fi
done

# The two left close, the one who entered first last.
for player in Ben Aki; do
  xdotool windowfocus --sync "$(windows_of "${pid_of[$player]}" '^VELQUAN$')" key --delay 100 alt+m
  sleep 0.5
  xdotool key x
  gone() { ! kill -0 "$1" 2>/dev/null; }
  wait_until gone "${pid_of[$player]}" || fail "$player's game did not close"
done
want=$(printf '[RANK]\nNAME1=Aki\nSCORE1=0\nNAME2=Ben\nSCORE2=0\nNAME3=Cho\nSCORE3=0\nNAME4=Low 1\nSCORE4=-100001\nNAME5=Low 2\nSCORE5=-100002')
[ "$(ranking_text "$work/VELQUAN.ini")" = "$want" ] || {
  diff <(echo "$want") <(ranking_text "$work/VELQUAN.ini") >&2
  fail "the shared ranking lost an entry"
}
echo "three players, one file: $(saved_names)"
