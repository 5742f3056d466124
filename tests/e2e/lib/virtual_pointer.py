#!/usr/bin/env python3
"""Holds a virtual pointer on the Wayland seat until the compositor goes away.

A headless compositor has no pointer of its own, so its clients never get pointer
events; with this one attached, the compositor's own seat commands (sway's
"seat - cursor set/press/release") move and click it. Speaks the Wayland wire
protocol directly: it needs nothing but Python.
"""
import os
import socket
import struct
import sys

DISPLAY, REGISTRY, SYNC, SEAT, MANAGER, POINTER = 1, 2, 3, 4, 5, 6
MANAGER_INTERFACE = "zwlr_virtual_pointer_manager_v1"


def message(target, opcode, payload=b""):
    return struct.pack("<II", target, ((8 + len(payload)) << 16) | opcode) + payload


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def events(sock):
    """Yields (object, opcode, body) for every event the compositor sends."""
    pending = b""
    while True:
        chunk = sock.recv(4096)
        if not chunk:
            return
        pending += chunk
        while len(pending) >= 8:
            target, word = struct.unpack_from("<II", pending)
            size = word >> 16
            if len(pending) < size:
                break
            yield target, word & 0xFFFF, pending[8:size]
            pending = pending[size:]


def main():
    path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0"))
    sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    sock.connect(path)
    # wl_display.get_registry, then wl_display.sync: its callback ends the list of globals.
    sock.sendall(message(DISPLAY, 1, struct.pack("<I", REGISTRY)) + message(DISPLAY, 0, struct.pack("<I", SYNC)))
    names = {}
    stream = events(sock)
    for target, opcode, body in stream:
        if target == REGISTRY and opcode == 0:  # wl_registry.global: name, interface, version
            name, length = struct.unpack_from("<II", body)
            names[body[8:8 + length - 1].decode()] = name
        elif target == DISPLAY and opcode == 0:  # wl_display.error
            sys.exit("the compositor reported an error")
        elif target == SYNC:
            break
    if MANAGER_INTERFACE not in names or "wl_seat" not in names:
        sys.exit("the compositor offers no virtual pointer")

    def bind(interface, new_id):  # wl_registry.bind: name, then a new id of a named interface
        return message(REGISTRY, 0, struct.pack("<I", names[interface]) + string(interface) +
                       struct.pack("<II", 1, new_id))

    # zwlr_virtual_pointer_manager_v1.create_virtual_pointer(seat, id)
    sock.sendall(bind("wl_seat", SEAT) + bind(MANAGER_INTERFACE, MANAGER) +
                 message(MANAGER, 0, struct.pack("<II", SEAT, POINTER)))
    for target, opcode, _ in stream:
        if target == DISPLAY and opcode == 0:
            sys.exit("the compositor reported an error")


if __name__ == "__main__":
    main()
