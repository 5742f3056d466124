#!/usr/bin/env bash
# Start-up cost of the game beside a bare Qt window of the same size with a menu bar, in one
# run on one virtual display: the time from process start to the mapped window, and the
# resident memory one second later, as medians of alternating rounds, and their ratios. On a
# busy machine single starts vary a lot; the median of the ratios of each round's pair, run
# back to back, varies less than the ratio of the medians, so both are printed.
#
#   bench/startup.sh [BUILD_DIR] [ROUNDS]        (defaults: build, 9)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build}")
rounds=${2:-9}
bin="$build_dir/bin"
for program in velquan bench_bare_window bench_map_timer; do
  [ -x "$bin/$program" ] || { echo "missing $bin/$program: build first (scripts/build)" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The game as it is played: from its own folder, beside its ranking and sounds.
cp "$bin/velquan" "$bin/velquan-sound.so" "$work/"
cp resources/VELQUAN.ini resources/sounds/*.wav "$work/"

exec 3<> "$work/display"
# -noreset: the games start one after another, and a server resetting after the last
# client has gone would turn the next one away.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

measure() {  # program -> appends "ms kB" to its results file
  (cd "$work" && "$bin/bench_map_timer" "$1") >> "$work/$(basename "$1").txt"
}

# One round of each first, unrecorded, so that both start from warm caches.
(cd "$work" && "$bin/bench_map_timer" ./velquan && "$bin/bench_map_timer" "$bin/bench_bare_window") >/dev/null
for _ in $(seq "$rounds"); do
  measure ./velquan
  measure "$bin/bench_bare_window"
done

median() {  # numbers on standard input
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
game_ms=$(cut -d' ' -f1 "$work/velquan.txt" | median)
game_kb=$(cut -d' ' -f2 "$work/velquan.txt" | median)
bare_ms=$(cut -d' ' -f1 "$work/bench_bare_window.txt" | median)
bare_kb=$(cut -d' ' -f2 "$work/bench_bare_window.txt" | median)
paired_time=$(paste -d' ' "$work/velquan.txt" "$work/bench_bare_window.txt" | awk '{ print $1 / $3 }' | median)
paired_memory=$(paste -d' ' "$work/velquan.txt" "$work/bench_bare_window.txt" | awk '{ print $2 / $4 }' | median)

echo "medians of $rounds rounds each"
printf '%-5s %7s ms to the mapped window  %7s kB resident 1 s later\n' game "$game_ms" "$game_kb" bare "$bare_ms" "$bare_kb"
awk -v gm="$game_ms" -v bm="$bare_ms" -v gk="$game_kb" -v bk="$bare_kb" -v pt="$paired_time" -v pm="$paired_memory" 'BEGIN {
  printf "time ratio   %.2f (median of the rounds\x27 ratios %.2f; limit 1.30)\n", gm / bm, pt
  printf "memory ratio %.2f (median of the rounds\x27 ratios %.2f; limit 1.20)\n", gk / bk, pm }'
