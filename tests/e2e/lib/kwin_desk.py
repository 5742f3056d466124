#!/usr/bin/python3
"""KWin's side of lib/kwin.bash.

"keys CHORD...": each chord (keys joined by "+", X keysym names) pressed and let go through
KWin's fake input, as evdev codes of a US keyboard; returns once KWin has handled them.
"shot FILE": the whole workspace through org.kde.KWin.ScreenShot2, as PNG.
"""
import os
import socket
import struct
import subprocess
import sys
import threading

from virtual_pointer import events, message, string

DISPLAY, REGISTRY, SYNC, FAKE_INPUT, DONE = 1, 2, 3, 4, 5
CODES = {"Escape": 1, "Return": 28, "space": 57, "Alt_L": 56, "F11": 87, "F12": 88,
         **{f"F{n}": 58 + n for n in range(1, 11)}, **{c: 2 + i for i, c in enumerate("1234567890")},
         **{c: 16 + i for i, c in enumerate("qwertyuiop")},
         **{c: 30 + i for i, c in enumerate("asdfghjkl")}, **{c: 44 + i for i, c in enumerate("zxcvbnm")}}


def until(stream, callback):
    for target, opcode, body in stream:
        if target == DISPLAY and opcode == 0:
            sys.exit("KWin refused a request")
        yield target, opcode, body
        if target == callback:
            return


def keys(chords):
    sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    sock.connect(os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ["WAYLAND_DISPLAY"]))
    sock.sendall(message(DISPLAY, 1, struct.pack("<I", REGISTRY)) + message(DISPLAY, 0, struct.pack("<I", SYNC)))
    stream, names = events(sock), {}
    for target, opcode, body in until(stream, SYNC):
        if target == REGISTRY and opcode == 0:  # wl_registry.global: name, interface
            name, length = struct.unpack_from("<II", body)
            names[body[8:8 + length - 1].decode()] = name
    interface = "org_kde_kwin_fake_input"
    out = message(REGISTRY, 0, struct.pack("<I", names[interface]) + string(interface) +
                  struct.pack("<II", 4, FAKE_INPUT)) + \
        message(FAKE_INPUT, 0, string("VELQUAN tests") + string("end-to-end tests"))  # authenticate
    for chord in chords:
        codes = [CODES[key] for key in chord.split("+")]
        for code, state in [(code, 1) for code in codes] + [(code, 0) for code in reversed(codes)]:
            out += message(FAKE_INPUT, 10, struct.pack("<II", code, state))  # keyboard_key
    sock.sendall(out + message(DISPLAY, 0, struct.pack("<I", DONE)))
    for _ in until(stream, DONE):
        pass


def shot(path):
    import dbus
    reader, writer = os.pipe()
    data = []
    # KWin writes the picture while the call is still answered: read it meanwhile.
    thread = threading.Thread(target=lambda: data.append(os.fdopen(reader, "rb").read()))
    thread.start()
    screenshot = dbus.SessionBus().get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2")
    meta = screenshot.CaptureWorkspace({"native-resolution": True}, dbus.types.UnixFd(writer),
                                       dbus_interface="org.kde.KWin.ScreenShot2")
    os.close(writer)
    thread.join()
    width, height, stride = int(meta["width"]), int(meta["height"]), int(meta["stride"])
    pixels = b"".join(data[0][row * stride:row * stride + width * 4] for row in range(height))
    # QImage's 32-bit formats (4 to 6) keep blue first in memory on a little-endian machine.
    order = "bgra" if int(meta["format"]) in (4, 5, 6) else "rgba"
    subprocess.run(["convert", "-size", f"{width}x{height}", "-depth", "8", f"{order}:-", "-alpha", "off",
                    path], input=pixels, check=True)


if __name__ == "__main__":
    keys(sys.argv[2:]) if sys.argv[1] == "keys" else shot(sys.argv[2])
