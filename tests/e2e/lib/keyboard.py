#!/usr/bin/env python3
"""Presses keys on the X display as a keyboard does: each key's own keycode, and no modifier
but those named. xdotool works out modifiers from the keymap instead, and newer keymaps list
Alt as keeping F1 to F12 at their first level: it then sends Alt+F3 for F3.

    keyboard.py KEY...   where KEY is a keysym name or a combination such as alt+m
"""
import ctypes
import sys

x11 = ctypes.CDLL("libX11.so.6")
xtest = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

MODIFIERS = {"alt": "Alt_L", "ctrl": "Control_L", "shift": "Shift_L", "super": "Super_L"}


def keycode(display, name):
    keysym = x11.XStringToKeysym(MODIFIERS.get(name.lower(), name).encode())
    code = x11.XKeysymToKeycode(display, keysym) if keysym else 0
    if not code:
        sys.exit(f"keyboard.py: no key for {name}")
    return code


def main():
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("keyboard.py: cannot open the display")
    for combination in sys.argv[1:]:
        codes = [keycode(display, name) for name in combination.split("+")]
        for code in codes:
            xtest.XTestFakeKeyEvent(display, code, True, 0)
            x11.XSync(display, False)
        for code in reversed(codes):
            xtest.XTestFakeKeyEvent(display, code, False, 0)
            x11.XSync(display, False)
    x11.XCloseDisplay(display)


main()
