# The harness every end-to-end script shares: a scratch folder $work, clean-up of whatever
# the script started, fail and skip, and the source tree. Exit code 77 tells CTest that the
# machine cannot run the test.

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
# The game speaks the player's language: every script but language.sh reads its own Japanese.
unset LANGUAGE LC_ALL LC_MESSAGES && export LANG=C.UTF-8
work=$(mktemp -d)
# Tests run side by side: each has a runtime folder of its own, and no session bus or sound
# server but those it starts (none of the desktop's, and none started on demand that would
# outlive it).
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
# Settings of the test's own, never the player's.
export XDG_CONFIG_HOME="$work/config"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus" PULSE_SERVER="unix:$work/no-sound-server"
unset AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
# Everything the test starts, and whatever that starts in turn however it detaches (a bus's
# services, a daemon that forks), inherits this mark; the clean-up ends them all by it.
export VELQUAN_TEST_WORK="$work"
game_pid=""
cleanup() {
  local status=$?
  # A step that failed without fail() (a tool's own error under set -e) shows the game's
  # output all the same.
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && [ -z "${failed:-}" ] && [ -s "$work/game.log" ]; then
    echo "the script stopped with $status; the game's output:" >&2
    cat "$work/game.log" >&2
  fi
  # The game goes first and at once, saving nothing. Its number may have passed to another
  # process since it ended, so only one of this test's is killed.
  [ -n "$game_pid" ] && grep -qzxF "VELQUAN_TEST_WORK=$work" "/proc/$game_pid/environ" 2>/dev/null &&
    kill -KILL "$game_pid" 2>/dev/null || true
  end_test_processes
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The live processes carrying this test's mark, but for the script itself.
test_processes() {
  local file pid
  for file in $(grep -lzxF "VELQUAN_TEST_WORK=$work" /proc/[0-9]*/environ 2>/dev/null); do
    pid=${file#/proc/}
    pid=${pid%/environ}
    [ "$pid" != $$ ] && [ "$pid" != "$BASHPID" ] && kill -0 "$pid" 2>/dev/null && echo "$pid"
  done
  return 0
}

# Ends every process of the test and waits until all have gone, so that none still holds or
# removes a display, socket or folder when the next test starts: asked to end first, killed
# after five seconds.
end_test_processes() {
  local left round
  for round in $(seq 300); do
    left=$(test_processes)
    [ -n "$left" ] || return 0
    if [ "$round" -lt 100 ]; then
      kill $left 2>/dev/null || true
    else
      kill -KILL $left 2>/dev/null || true
    fi
    sleep 0.05
  done
  echo "processes of the test outlived it: $left" >&2
}

fail() {
  failed=1
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && cat "$work/game.log" >&2
  if [ -n "${display_server:-}" ]; then
    kill -0 "$display_server" 2>/dev/null || echo "the server of display $DISPLAY had ended" >&2
    cat "$work/xvfb.log" >&2
  fi
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
# The ordinary user's runtime folder, $work/player-runtime, is the player's own, as a desktop
# session's is.
make_player_runtime() {
  mkdir -m 700 "$work/player-runtime"
  [ "$(id -u)" -ne 0 ] || chown 65534:65534 "$work/player-runtime"
}
as_player=()
play_as_ordinary_user() {
  [ "$(id -u)" -eq 0 ] || return 0
  make_player_runtime
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups -- env XDG_RUNTIME_DIR="$work/player-runtime")
  chmod 755 "$work"
  if [[ "${LSAN_OPTIONS:-}" == *suppressions=* ]]; then
    local file
    file=$(tr ':' '\n' <<<"$LSAN_OPTIONS" | sed -n 's/^suppressions=//p')
    cp "$file" "$work/lsan.supp"
    chmod 644 "$work/lsan.supp"
    export LSAN_OPTIONS="${LSAN_OPTIONS//$file/$work/lsan.supp}"
  fi
}
