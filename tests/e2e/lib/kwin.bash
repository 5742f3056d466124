# A headless KDE desktop of the test's own: KWin with Xwayland, its own session bus, home and
# settings under $work. Needs $work and fail(); sets WAYLAND_DISPLAY, DISPLAY and
# XDG_CURRENT_DESKTOP for clients started afterwards, which keep common.bash's (absent) bus.
# Keys go in through KWin's fake input (kwin_desk.py), screenshots through its
# screenshot interface, window places come from KWin scripts. The caller's clean-up ends it all.
desk_helper="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/kwin_desk.py"

# Exits with 77 when the machine lacks the tools (python3-dbus is the system interpreter's).
require_desktop_tools() {
  local tool
  for tool in kwin_wayland Xwayland dbus-daemon gdbus convert; do
    command -v "$tool" >/dev/null || skip "no $tool"
  done
  /usr/bin/python3 -c 'import dbus' 2>/dev/null || skip "no python3-dbus"
  # KWin 6 names its scripts' windows and its options otherwise.
  [[ $(dpkg-query -W -f '${Version}' kwin-wayland 2>/dev/null) == [0-9]:5.* ]] || skip "the driver knows KWin 5"
}

start_desktop() {  # width height
  mkdir -p "$work/kwin-home" "$work/kwin-config" "$work/kwin-data" "$work/kwin-cache"
  # Xwayland's sockets live there, and KWin, unlike an X server run as root, does not make it.
  [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix 2>/dev/null || [ -d /tmp/.X11-unix ] ||
    skip "no /tmp/.X11-unix for Xwayland"
  desk_bus="unix:path=$work/kwin-bus"
  dbus-daemon --session --nofork --nopidfile --address="$desk_bus" >"$work/kwin-bus.log" 2>&1 &
  wait_until test -S "$work/kwin-bus" || fail "no session bus for KWin"
  # Debian's binary carries a file capability that a sandbox may refuse (the program then
  # does not start at all); a copy carries none, and KWin runs without it.
  cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
  # The two variables open the screenshot interface and fake input to any client; the
  # scripting category lets desk_window read what its scripts print. KWin starts the program
  # it is given once Xwayland is up: that one tells the X display.
  env -u DISPLAY -u QT_QPA_PLATFORM -u XDG_CURRENT_DESKTOP HOME="$work/kwin-home" \
    XDG_CONFIG_HOME="$work/kwin-config" XDG_DATA_HOME="$work/kwin-data" XDG_CACHE_HOME="$work/kwin-cache" \
    DBUS_SESSION_BUS_ADDRESS="$desk_bus" KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 QT_LOGGING_RULES="kwin_scripting.debug=true" \
    "$work/kwin_wayland" --virtual --width "$1" --height "$2" --xwayland --socket wayland-desk \
    --no-lockscreen --no-global-shortcuts --no-kactivities \
    "/bin/sh -c 'echo export DISPLAY=\$DISPLAY XAUTHORITY=\${XAUTHORITY:-} > $work/desk.env.new && mv $work/desk.env.new $work/desk.env'" \
    >"$work/kwin.log" 2>&1 &
  for _ in $(seq 300); do [ -s "$work/desk.env" ] && break; sleep 0.1; done
  [ -s "$work/desk.env" ] || { cat "$work/kwin.log" >&2; fail "KWin did not start"; }
  source "$work/desk.env"
  export WAYLAND_DISPLAY=wayland-desk XDG_CURRENT_DESKTOP=KDE
}

desk_screenshot() {  # file.png
  DBUS_SESSION_BUS_ADDRESS="$desk_bus" /usr/bin/python3 "$desk_helper" shot "$1"
}

desk_call() { gdbus call -a "$desk_bus" -d org.kde.KWin -o "$1" -m "$2" "${@:3}"; }  # object method args…

# Prints "x y width height fullscreen" of the first unminimized window with exactly this
# caption, as KWin places it: its frame, or with bufferGeometry as $2 what the client draws
# (on Wayland the client area; an X window's buffer is its frame).
desk_window() {  # title [frame|buffer]
  local mark="desk-window-$RANDOM$RANDOM" id
  echo "for (const c of workspace.clientList()) if (!c.minimized) { const g = c.${2:-frame}Geometry;
    print('$mark ' + [g.x, g.y, g.width, g.height].map(Math.round).join(' ') + ' ' + (c.fullScreen ? 1 : 0)
      + ' ' + c.caption); }
    print('$mark end');" >"$work/$mark.js"
  id=$(desk_call /Scripting org.kde.kwin.Scripting.loadScript "$work/$mark.js" "$mark" | tr -dc 0-9)
  desk_call "/$id" org.kde.kwin.Script.run >/dev/null
  # KWin runs the script later, on its own.
  wait_until grep -q "^js: $mark end" "$work/kwin.log" || fail "KWin did not run a script"
  desk_call /Scripting org.kde.kwin.Scripting.unloadScript "$mark" >/dev/null
  grep "^js: $mark [0-9-]" "$work/kwin.log" | while read -r _ _ x y width height full caption; do
    [ "$caption" = "$1" ] && echo "$x $y $width $height $full" && break
  done
  return 0
}

# Keys, or chords of them joined by "+" (Alt_L+h), each pressed and let go in turn.
desk_key() { /usr/bin/python3 "$desk_helper" keys "$@" || fail "KWin took no keys $*"; }
