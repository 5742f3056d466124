#!/usr/bin/python3
"""Reads the running game through the accessibility bus, as a screen reader would.

    atspi_probe.py [TIMEOUT]
Prints shell assignments (quoted) for the game's status line, score, high score, the
"SHOT!!" button and the ranking table:
    status=... score=... high_score=... shot=... shot_enabled=0|1 shot_pressed=0|1
    shot_box="X Y W H" ranking_showing=0|1 ranking_cells=N result=... windows=N
(shot_box is the button's place on the screen; windows counts the game's top-level objects.)
Exits with 1 when no application shows a frame titled VELQUAN within the timeout.

    atspi_probe.py --listen SECONDS
Prints "listening", then one line for each change event of the game's score, power bar
and "SHOT!!" button that arrives within the given time:
    score-name <new score> | power-value <value> | shot-enabled <0|1>
It stops early once it has heard what one putt gives: each of these kinds, "SHOT!!"
disabled and then enabled again.
(Qt's bridge passes no change of the pressed state on; that state is read instead.)

    atspi_probe.py --texts [TIMEOUT]
Prints every name in the game's window, menus and ranking cells included, one a line.

    atspi_probe.py --ranking PID
Prints the names in the ranking of the game with that process id, best first, one a line.
"""
import shlex
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for index in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(index), depth + 1)


def game_frame(pid=None):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is None or (pid is not None and app.get_process_id() != pid):
            continue
        for child in range(app.get_child_count()):
            frame = app.get_child_at_index(child)
            if frame is not None and frame.get_name() == "VELQUAN":
                return frame
    return None


def read(frame):
    found = {}
    for node in walk(frame):
        role = node.get_role()
        name = node.get_name() or ""
        states = node.get_state_set()
        if role == Atspi.Role.LABEL:
            description = node.get_description() or ""
            if description == "SCORE":
                found["score"] = name
            elif description == "HIGH-SCORE":
                found["high_score"] = name
            elif name.startswith(("F3", "ジュンビ", "ノコリ", "時間")):
                found["status"] = name
            elif "point" in name and states.contains(Atspi.StateType.VISIBLE):
                found["result"] = name
        elif role == Atspi.Role.PUSH_BUTTON and name == "SHOT!!":
            found["shot"] = name
            found["shot_enabled"] = int(states.contains(Atspi.StateType.ENABLED))
            found["shot_pressed"] = int(states.contains(Atspi.StateType.PRESSED))
            box = node.get_extents(Atspi.CoordType.SCREEN)
            found["shot_box"] = f"{box.x} {box.y} {box.width} {box.height}"
        elif role == Atspi.Role.TABLE and name == "RANKING":
            found["ranking_showing"] = int(states.contains(Atspi.StateType.SHOWING))
            found["ranking_cells"] = node.get_child_count()
    return found


def listen(seconds):
    seen = set()

    def tell(kind, value):
        print(f"{kind} {value}", flush=True)
        seen.add(kind if kind != "shot-enabled" else f"{kind} {value}")
        if kind == "shot-enabled" and value == 1 and "shot-enabled 0" not in seen:
            seen.discard("shot-enabled 1")
        if seen >= {"score-name", "power-value", "shot-enabled 0", "shot-enabled 1"}:
            Atspi.event_quit()

    def heard(event):
        source = event.source
        if source is None:
            return
        if event.type.startswith("object:state-changed:enabled") and source.get_name() == "SHOT!!":
            tell("shot-enabled", event.detail1)
        elif event.type.startswith("object:property-change:accessible-name"):
            if source.get_description() == "SCORE":
                tell("score-name", source.get_name())
        elif event.type.startswith("object:property-change:accessible-value"):
            if source.get_role() == Atspi.Role.PROGRESS_BAR:
                tell("power-value", source.get_current_value())

    listener = Atspi.EventListener.new(heard)
    for kind in ("object:state-changed:enabled", "object:property-change:accessible-name",
                 "object:property-change:accessible-value"):
        listener.register(kind)
    GLib.timeout_add(int(seconds * 1000), Atspi.event_quit)
    print("listening", flush=True)
    Atspi.event_main()
    return 0


def ranking_rows(frame):
    """The five rows of the game's ranking as (name, score text), or None when it has none."""
    for node in walk(frame):
        if node.get_role() == Atspi.Role.TABLE and node.get_name() == "RANKING":
            node.clear_cache()
            cells = [node.get_child_at_index(index).get_name() or "" for index in range(node.get_child_count())]
            return [(cells[row * 3 + 1], cells[row * 3 + 2]) for row in range(1, 6)]
    return None


def ranking_names(pid):
    rows = ranking_rows(game_frame(pid))
    if rows is None:
        print(f"no ranking of process {pid} on the accessibility bus", file=sys.stderr)
        return 1
    print("\n".join(name for name, _ in rows))
    return 0


def main():
    if len(sys.argv) > 2 and sys.argv[1] == "--listen":
        return listen(float(sys.argv[2]))
    if len(sys.argv) > 2 and sys.argv[1] == "--ranking":
        return ranking_names(int(sys.argv[2]))
    texts = sys.argv[1:2] == ["--texts"]
    timeout = float(sys.argv[1 + texts]) if len(sys.argv) > 1 + texts else 10.0
    deadline = time.monotonic() + timeout
    frame = game_frame()
    while frame is None and time.monotonic() < deadline:
        time.sleep(0.2)
        frame = game_frame()
    if frame is None:
        print("no VELQUAN frame on the accessibility bus", file=sys.stderr)
        return 1
    if texts:
        print("\n".join(node.get_name() for node in walk(frame) if node.get_name()))
        return 0
    found = read(frame)
    found["windows"] = frame.get_parent().get_child_count()
    for key, value in sorted(found.items()):
        print(f"{key}={shlex.quote(str(value))}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
