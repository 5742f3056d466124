# The harness every end-to-end script shares: a scratch folder $work, clean-up of whatever
# the script started (add process ids to cleanup_pids), fail and skip, and the source tree.
# Exit code 77 tells CTest that the machine cannot run the test.

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
# The game speaks the player's language: every script but language.sh reads its own Japanese.
unset LANGUAGE LC_ALL LC_MESSAGES && export LANG=C.UTF-8
work=$(mktemp -d)
cleanup_pids=()
xvfb_pid=""
compositor_pid=""
bus_pid=""
game_pid=""
cleanup() {
  local status=$? pid
  # A step that failed without fail() (a tool's own error under set -e) shows the game's
  # output all the same.
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && [ -z "${failed:-}" ] && [ -s "$work/game.log" ]; then
    echo "the script stopped with $status; the game's output:" >&2
    cat "$work/game.log" >&2
  fi
  # Anything may have ended already; a clean-up that fails must not fail the test.
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
  # The compositor is waited for: its sockets live in $work.
  [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null && wait "$compositor_pid" 2>/dev/null || true
  for pid in "${cleanup_pids[@]}" "$bus_pid" "$xvfb_pid"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  failed=1
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && cat "$work/game.log" >&2
  exit 1
}
skip() {
  echo "SKIP: $*"
  exit 77
}

# A constant of the window's layout, read from the header the game is built with.
layout() {
  local value
  value=$(sed -n "s/^constexpr int $1 = \([0-9]*\);.*/\1/p" "$source_dir/src/game/layout.h")
  [ -n "$value" ] || fail "no layout constant $1"
  echo "$value"
}

# Waits up to ten seconds for a command to succeed.
wait_until() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Runs a command as an ordinary user (nobody) when the test runs as the superuser, who could
# write anywhere. The clone may sit in a folder that user cannot read, so a sanitizer build's
# suppressions are handed over through a copy in $work; $work itself is opened for reading.
as_player=()
play_as_ordinary_user() {
  [ "$(id -u)" -eq 0 ] || return 0
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  chmod 755 "$work"
  if [[ "${LSAN_OPTIONS:-}" == *suppressions=* ]]; then
    local file
    file=$(tr ':' '\n' <<<"$LSAN_OPTIONS" | sed -n 's/^suppressions=//p')
    cp "$file" "$work/lsan.supp"
    chmod 644 "$work/lsan.supp"
    export LSAN_OPTIONS="${LSAN_OPTIONS//$file/$work/lsan.supp}"
  fi
}
