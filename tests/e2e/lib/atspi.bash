# The game read through the accessibility bus, as a screen reader reads it. Needs $work and
# fail() from game.bash; sets DBUS_SESSION_BUS_ADDRESS. common.bash's clean-up ends the bus,
# and the bus launcher and registry it started, and waits for them.

atspi_lib=$(dirname "${BASH_SOURCE[0]}")

# A D-Bus session of the test's own, on which the accessibility bus starts when the game
# asks for it; Qt is told to serve the bus whatever the desktop's settings say.
start_accessibility_bus() {
  /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null \
    || { echo "SKIP: no Python AT-SPI bindings (python3-gi, gir1.2-atspi-2.0)"; exit 77; }
  [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: no accessibility bus (at-spi2-core)"; exit 77; }
  command -v dbus-daemon >/dev/null || { echo "SKIP: no dbus-daemon"; exit 77; }
  DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --nopidfile --print-address=1) \
    || fail "no D-Bus session bus"
  export DBUS_SESSION_BUS_ADDRESS
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  unset AT_SPI_BUS_ADDRESS
}

# Sets status, score, high_score, shot, shot_enabled, shot_pressed, ranking_showing,
# ranking_cells and result (when shown) from the running game; waits up to $1 seconds
# (30 by default) for the game to appear on the bus.
read_game() {
  unset status score high_score shot shot_enabled shot_pressed ranking_showing ranking_cells result
  local read
  read=$(/usr/bin/python3 "$atspi_lib/atspi_probe.py" "${1:-30}") || fail "the game is not on the accessibility bus"
  eval "$read"
}

# Listens in the background for $1 seconds to the game's change events (see atspi_probe.py)
# into $work/heard, and returns once the listener is ready.
listen_to_game() {
  /usr/bin/python3 "$atspi_lib/atspi_probe.py" --listen "$1" > "$work/heard" 2>&1 &
  listener_pid=$!
  for _ in $(seq 50); do
    grep -q '^listening' "$work/heard" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the event listener did not start: $(cat "$work/heard")"
}

# Waits for the listener to finish and sets heard to what it heard.
wait_for_listener() {
  wait "$listener_pid" || fail "the event listener failed: $(cat "$work/heard")"
  heard=$(cat "$work/heard")
}
