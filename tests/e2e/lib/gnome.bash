# A headless GNOME Shell desktop of the test's own, with Xwayland. Needs common.bash;
# sets WAYLAND_DISPLAY, DISPLAY, XAUTHORITY and the session bus. The caller's clean-up ends the
# shell, its buses and Xwayland, which all carry the test's mark. The shell runs with settings
# of its own (a keyfile, never the player's dconf) and a tiny extension that puts it in unsafe
# mode: its Eval and Screenshot methods then answer us. Keys go in through a Clutter virtual
# keyboard made inside the shell, since a headless seat has none.

require_desktop_tools() {
  local tool
  for tool in gnome-shell Xwayland xdpyinfo dbus-daemon gdbus convert; do command -v "$tool" >/dev/null || skip "no $tool"; done
  # Extensions and the shell's scripts are modules of another kind from 45 on.
  [[ $(gnome-shell --version) =~ \ 4[34]\. ]] || skip "the driver knows GNOME Shell 43 and 44, not $(gnome-shell --version)"
}

# Runs JavaScript in the shell and prints its result, a JSON string's quotes removed (results
# holding quotes come back escaped). gdbus reads an argument that parses as a GVariant as one,
# so the code goes as a quoted GVariant string.
desk_eval() {
  local out code=${1//\\/\\\\}
  out=$(gdbus call --session --timeout 30 --dest org.gnome.Shell --object-path /org/gnome/Shell \
    --method org.gnome.Shell.Eval "'${code//\'/\\\'}'" 2>&1) && [[ $out == "(true, '"* ]] || { echo "$out" >&2; return 1; }
  out=${out#"(true, '"}; out=${out%"')"}; out=${out#\"}; out=${out%\"}; [ -z "$out" ] || echo "$out"
}

start_desktop() {  # width height
  local g="$work/gnome" bus ext="$work/gnome/share/gnome-shell/extensions/unsafe@velquan.test"
  mkdir -p "$g/home" "$g/config/glib-2.0/settings" "$ext" && mkdir -m 700 "$g/runtime"
  # Buses that let anyone in and start no services: nothing runs that the test did not start.
  # The listen element is a placeholder that --address overrides.
  echo '<busconfig><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth><policy context="default">
    <allow user="*"/><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>' > "$g/bus.conf"
  for bus in session system; do dbus-daemon --nofork --config-file="$g/bus.conf" --address="unix:path=$g/$bus-bus" &>>"$work/gnome.log" & done
  wait_until test -S "$g/session-bus" -a -S "$g/system-bus" || fail "the private buses did not start"
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$g/session-bus"
  echo '{"uuid": "unsafe@velquan.test", "name": "unsafe", "description": "test", "shell-version": ["43"]}' > "$ext/metadata.json"
  echo 'function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }' > "$ext/extension.js"
  # No hot corner, welcome dialog, banner, animation or blank screen to get in a test's way.
  cat > "$g/config/glib-2.0/settings/keyfile" <<'KEYS'
[org/gnome/shell]
enabled-extensions=['unsafe@velquan.test']
welcome-dialog-last-shown-version='999'
[org/gnome/desktop/interface]
enable-hot-corners=false
enable-animations=false
[org/gnome/desktop/notifications]
show-banners=false
[org/gnome/desktop/session]
idle-delay=uint32 0
KEYS
  env -u DISPLAY -u WAYLAND_DISPLAY -u XAUTHORITY HOME="$g/home" XDG_CONFIG_HOME="$g/config" \
    XDG_DATA_HOME="$g/share" XDG_RUNTIME_DIR="$g/runtime" GSETTINGS_BACKEND=keyfile \
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$g/system-bus" \
    gnome-shell --headless --wayland --virtual-monitor "$1x$2" >>"$work/gnome.log" 2>&1 &
  local shell=$!
  for _ in $(seq 300); do
    [ "$(desk_eval '!imports.ui.main.layoutManager._startingUp' 2>/dev/null)" = true ] && break
    kill -0 $shell 2>/dev/null && sleep 0.1 || break
  done
  [ "$(desk_eval 'imports.ui.main.overview.hide(); global.display.get_n_monitors()')" = 1 ] ||
    { cat "$work/gnome.log" >&2; fail "GNOME Shell did not start"; }
  # Mutter may start Xwayland only when a client connects: connect once so it runs now.
  export WAYLAND_DISPLAY="$g/runtime/wayland-0" XDG_CURRENT_DESKTOP=GNOME
  export DISPLAY=$(desk_eval 'imports.gi.GLib.getenv("DISPLAY")') XAUTHORITY=$(desk_eval 'imports.gi.GLib.getenv("XAUTHORITY")')
  wait_until xdpyinfo >/dev/null 2>&1 || fail "Xwayland did not answer on $DISPLAY"
  wait_until desk_eval 'imports.ui.main.overview.hide(); if (imports.ui.main.overview.visible) throw 1' 2>/dev/null || fail "the overview stayed"
  # The keyboard comes before any client (see desk_key).
  desk_key Shift_L
}

# The picture keeps the alpha channel: what a window leaves unpainted is transparent, not black.
desk_screenshot() {  # file.png
  local file; file=$(realpath -m "$1")
  gdbus call --session --dest org.gnome.Shell.Screenshot --object-path /org/gnome/Shell/Screenshot \
    --method org.gnome.Shell.Screenshot.Screenshot false false "$file" | grep -q '^(true' && [ -s "$file" ]
}

# "x y width height fullscreen" of the visible window titled $1, its frame as the shell places
# it (a native client's title bar and borders are its own), or nothing.
desk_window() {  # title
  desk_eval "const w = global.get_window_actors().map(a => a.meta_window).find(w =>
    w.get_title() === '$1' && w.showing_on_its_workspace());
    const r = w && w.get_frame_rect(); r ? [r.x, r.y, r.width, r.height, w.is_fullscreen() ? 1 : 0].join(' ') : ''"
}

# One virtual keyboard for the whole test, kept on the shell's global object: a Wayland client
# loses the first key of a new one. Keys are X keysym names, chords joined by "+" (Alt_L+h),
# each pressed and let go in turn; an unknown name fails rather than sends nothing.
desk_key() {
  local chord
  for chord in "$@"; do
    desk_eval "const C = imports.gi.Clutter, d = global.velquanKeyboard ??= C.get_default_backend()
      .get_default_seat().create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE);
      const t = imports.gi.GLib.get_monotonic_time(), keys = '$chord'.split('+').map(k => C['KEY_' + k].valueOf());
      for (const k of keys) d.notify_keyval(t, k, C.KeyState.PRESSED);
      for (const k of keys.reverse()) d.notify_keyval(t, k, C.KeyState.RELEASED);" >/dev/null || fail "no key $chord"
  done
}

# A double click of the left button at a point of the screen, through a virtual pointer; each
# event has its time, as a hand's would.
desk_double_click() {  # x y
  local event
  for event in "notify_absolute_motion(t, $1, $2)" PRESSED RELEASED PRESSED RELEASED; do
    [[ $event = notify* ]] || event="notify_button(t, C.BUTTON_PRIMARY, C.ButtonState.$event)"
    desk_eval "const C = imports.gi.Clutter, t = imports.gi.GLib.get_monotonic_time();
      (global.velquanPointer ??= C.get_default_backend().get_default_seat()
        .create_virtual_device(C.InputDeviceType.POINTER_DEVICE)).$event" >/dev/null || fail "no click at $1,$2"
  done
}
