# A headless Wayland desktop of the test's own: sway with a top panel over a white
# background, no X display at all. Needs $work and fail(); sets WAYLAND_DISPLAY and SWAYSOCK.
# The caller's clean-up ends the compositor and waits for it. Keys go in through the virtual keyboard
# (wtype), the pointer through sway's own seat commands on a virtual pointer of our own,
# screenshots come from grim.

# Exits with 77 when the machine lacks the tools.
require_wayland_tools() {
  local tool
  for tool in sway swaymsg swaybar grim wtype jq convert python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
  done
}

start_wayland() {  # width height
  # The compositor's own runtime folder: clients keep theirs and reach its socket by path.
  local runtime="$work/sway-runtime"
  mkdir -m 700 "$runtime"
  cat > "$work/sway.conf" <<CONF
output * resolution $1x$2 position 0 0 bg #ffffff solid_color
default_border none
default_floating_border none
focus_follows_mouse no
xwayland disable
bar {
  position top
  status_command while echo panel; do sleep 60; done
}
CONF
  # sway refuses to run as root; it then runs as nobody, and root reaches its sockets anyway.
  local as=()
  if [ "$(id -u)" -eq 0 ]; then
    chmod o+x "$work"
    chown -R nobody "$runtime" "$work/sway.conf"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" HOME="$runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${as[@]}" sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
  for _ in $(seq 100); do
    SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
    [ -n "$SWAYSOCK" ] && [ -S "$runtime/wayland-1" ] && break
    sleep 0.1
  done
  [ -n "$SWAYSOCK" ] || { cat "$work/sway.log" >&2; fail "sway did not start"; }
  export SWAYSOCK WAYLAND_DISPLAY="$runtime/wayland-1"
  unset DISPLAY QT_QPA_PLATFORM
  # It ends by itself when the compositor does.
  python3 "$(dirname "${BASH_SOURCE[0]}")/virtual_pointer.py" >>"$work/sway.log" 2>&1 &
  for _ in $(seq 50); do
    (( $(swaymsg -t get_seats | jq '.[0].capabilities') & 1 )) && break
    sleep 0.1
  done
  (( $(swaymsg -t get_seats | jq '.[0].capabilities') & 1 )) || fail "no pointer on the Wayland seat"
  # The panel is drawn by a client of its own; wait until it shows.
  for _ in $(seq 50); do
    [ "$(swaymsg -t get_bar_config 2>/dev/null | jq length)" != 0 ] && wl_screenshot "$work/desktop.png" &&
      [ "$(convert "$work/desktop.png" -crop "$1x10+0+0" -format '%[fx:minima.r]' info:)" != 1 ] && return 0
    sleep 0.1
  done
  fail "the panel did not appear"
}

wl_screenshot() {  # file.png
  grim "$1"
}

# Prints "x y width height" of the visible window with this exact title, or nothing.
wl_window_geometry() {
  swaymsg -t get_tree | jq -r --arg name "$1" '
    .. | objects | select(.name? == $name and .visible? == true) |
    "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.width) \(.window_rect.height)"' |
    head -n1
}

wl_wait_for_window() {  # title, "shown" or "gone"; prints the geometry when shown
  local found
  for _ in $(seq 100); do
    found=$(wl_window_geometry "$1")
    if [ "$2" = shown ] && [ -n "$found" ]; then echo "$found"; return 0; fi
    if [ "$2" = gone ] && [ -z "$found" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

wl_pointer_to() {  # x y, in output pixels
  swaymsg -q seat - cursor set "$1" "$2"
}

wl_press() { swaymsg -q seat - cursor press button1; }
wl_release() { swaymsg -q seat - cursor release button1; }

wl_double_click() {  # x y
  wl_pointer_to "$1" "$2"
  wl_press; wl_release; wl_press; wl_release
}

# Each call brings a fresh virtual keyboard; the pause lets the window take it up before
# the first key, which would otherwise be lost.
wl_key() {  # wtype arguments, e.g. -k F4
  wtype -s 300 "$@"
}
