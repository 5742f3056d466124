#!/usr/bin/python3
"""Plays whole games as a player would, with Space and with the mouse, and checks them through
the accessibility bus.

    robot.py --desktop x11|sway --pid PID --seed N --games N --name NAME --shot X,Y

The holds (0.1 to 2.5 s, Space or the mouse on "SHOT!!" at X,Y on the screen) follow from the
seed. Each game starts with F3 and ends with the minute; a qualifying score gets NAME typed
into the ranking box. It checks that every hold played exactly one putt, that the results'
points add up to the score shown, that the level in each result follows the results before
it, and that the ranking took the score and the name in the right row. Prints one line a game
and exits with 1 at the first game that went wrong.
"""
import argparse
import random
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from atspi_probe import game_frame, ranking_rows  # noqa: E402

COUNTDOWN = re.compile(r"^ノコリ (\d+) ビョウ$")
IDLE = "F3 デ ゲームヲ開始シマス"
READY = "ジュンビハイイカ・・・"
RESULT = re.compile(r"^(?:ナイスイン!! \+100\+(?P<in>\d+)|ナイスアプロ～チ!! \+30\+(?P<approach>\d+)"
                    r"|フ～ン!! -(?P<miss>\d+)) point$")
RANKED = re.compile(r"^(\d) 位ニ ランクサレマシタ$")


class Desktop:
    """Keys, pointer and text, as a person gives them, on X11 (xdotool) or sway (wtype)."""

    def __init__(self, kind, shot):
        self.kind = kind
        self.shot = shot

    def hold(self, device, seconds):
        """Starts a hold; returns the process that holds and lets go."""
        x, y = self.shot
        if self.kind == "x11":
            # One process for press and release: a second one's start-up would stretch the hold.
            if device == "space":
                command = ["xdotool", "keydown", "space", "sleep", f"{seconds:.3f}", "keyup", "space"]
            else:
                command = ["xdotool", "mousemove", str(x), str(y), "mousedown", "1", "sleep", f"{seconds:.3f}",
                           "mouseup", "1"]
        elif device == "space":
            # A new virtual keyboard each time: the pause lets the window take it up first.
            command = ["wtype", "-s", "300", "-P", "space", "-s", str(int(seconds * 1000)), "-p", "space"]
        else:
            command = ["sh", "-c", f"swaymsg -q seat - cursor set {x} {y} && swaymsg -q seat - cursor press button1 "
                                   f"&& sleep {seconds:.3f} && swaymsg -q seat - cursor release button1"]
        return subprocess.Popen(command)

    def key(self, name):
        if self.kind == "x11":
            # As x11_key in display.bash: xdotool would hold Alt with F3 on newer keymaps.
            subprocess.run(["xte", f"key {name}"], check=True)
        else:
            subprocess.run(["wtype", "-s", "300", "-k", name], check=True)

    def type_line(self, text):
        if self.kind == "x11":
            subprocess.run(["xdotool", "type", "--delay", "50", text], check=True)
            subprocess.run(["xdotool", "key", "Return"], check=True)
        else:
            subprocess.run(["wtype", "-s", "300", text, "-k", "Return"], check=True)

    def focus_game(self):
        if self.kind == "x11":
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^VELQUAN$"],
                                   capture_output=True, text=True).stdout.split()
            if found:
                subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)
        else:
            subprocess.run(["swaymsg", "-q", '[title="^VELQUAN$"] focus'], check=True)


class Game:
    """What the game tells the bus: the putts, the scores, the results and the status line."""

    def __init__(self, pid):
        self.pid = pid
        self.events = []  # (kind, value) in the order heard
        listener = Atspi.EventListener.new(self.heard)
        for kind in ("object:state-changed:enabled", "object:property-change:accessible-name"):
            listener.register(kind)
        self.listener = listener

    def heard(self, event):
        source = event.source
        # Another game may share the bus.
        if source is None or source.get_process_id() != self.pid:
            return
        if event.type.startswith("object:state-changed:enabled"):
            # Newer Qt reports each change of the state twice: a repeat is no new change.
            if source.get_name() == "SHOT!!" and self.since(0, "enabled")[-1:] != [event.detail1]:
                self.events.append(("enabled", event.detail1))
            return
        name = source.get_name() or ""
        if source.get_description() == "SCORE":
            self.events.append(("score", int(name)))
        elif RESULT.match(name):
            self.events.append(("result", name))
        elif COUNTDOWN.match(name) or name in (IDLE, READY, "時間ギレデス"):
            self.events.append(("status", name))

    def wait(self, done, seconds, what):
        """Handles the bus until done() is true; fails after the given seconds."""
        deadline = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while not done():
            if time.monotonic() > deadline:
                raise AssertionError(f"waited {seconds} s for {what}; last heard: {self.events[-6:]}")
            GLib.timeout_add(50, lambda: False)
            context.iteration(True)

    def since(self, start, kind):
        return [value for event_kind, value in self.events[start:] if event_kind == kind]

    def seconds_left(self):
        for kind, value in reversed(self.events):
            if kind == "status":
                found = COUNTDOWN.match(value)
                return int(found.group(1)) if found else 0
        return 0


def ranking(app):
    """The five rows of the ranking as (name, score text)."""
    rows = ranking_rows(app)
    if rows is None:
        raise AssertionError("no ranking table on the bus")
    return rows


def ranking_box(app):
    """The rank that the ranking box shows, or None while there is none."""
    app.clear_cache()
    for index in range(app.get_child_count()):
        try:
            window = app.get_child_at_index(index)
            found = RANKED.match(window.get_name() or "") if window is not None else None
            if found and window.get_state_set().contains(Atspi.StateType.SHOWING):
                return int(found.group(1))
        except GLib.Error:  # a window that went while it was asked
            continue
    return None


def play(desktop, game, app, rng, name):
    """One whole game; returns its summary line."""
    before = ranking(app)
    start = len(game.events)
    # A key may reach a window that has not yet taken up the keyboard; a player presses again.
    for _ in range(3):
        desktop.focus_game()
        desktop.key("F3")
        try:
            game.wait(lambda: any(status == READY or COUNTDOWN.match(status) for status in game.since(start, "status")),
                      10, "the start of a game")
            break
        except AssertionError:
            continue
    game.wait(lambda: game.seconds_left() > 0 and any(COUNTDOWN.match(s) for s in game.since(start, "status")),
              30, "the countdown")
    holds = {"space": 0, "mouse": 0}
    while True:
        seconds = round(rng.uniform(0.1, 2.5), 3)
        device = rng.choice(["space", "mouse"])
        # The ball rolls about as long as the hold; the putt must be over before the minute is.
        if game.seconds_left() < 2 * seconds + 4:
            break
        mark = len(game.events)
        holder = desktop.hold(device, seconds)
        holds[device] += 1
        game.wait(lambda: holder.poll() is not None and game.since(mark, "enabled")[-1:] == [1]
                  and game.since(mark, "score"), 30, f"the putt of a {seconds} s {device} hold")
        # A second putt of the same hold would start right away.
        settle = time.monotonic() + 0.5
        game.wait(lambda: time.monotonic() > settle, 5, "a pause")
        putts = game.since(mark, "enabled").count(0)
        if putts != 1:
            raise AssertionError(f"a {seconds} s hold of {device} played {putts} putts")
        time.sleep(rng.uniform(0.05, 0.4))
    game.wait(lambda: IDLE in game.since(start, "status"), 40, "the game over")

    # Each putt's result is the last one heard before its score; a result that repeats the one
    # before it changes no name and is heard only once.
    results = [value for kind, value in game.events[:start] if kind == "result"]
    level, total, putts, result, counting = 1, 0, 0, results[-1] if results else None, False
    for kind, value in game.events[start:]:
        if kind == "result":
            result = value
        elif kind == "status":
            counting = counting or bool(COUNTDOWN.match(value))
        elif kind == "score" and counting:
            found = RESULT.match(result or "")
            if not found:
                raise AssertionError(f"the score changed to {value} with no result shown")
            shown_level = int(found.group("in") or found.group("approach") or found.group("miss"))
            if shown_level != level:
                raise AssertionError(f"'{result}' shows level {shown_level}, the results before it make {level}")
            points, steps = ((100 + level, 2) if found.group("in") else
                             (30 + level, 1) if found.group("approach") else (-level, 0))
            total += points
            level += steps
            putts += 1
            if value != total:
                raise AssertionError(f"the score reads {value} after '{result}', the results add up to {total}")
    if putts != sum(holds.values()):
        raise AssertionError(f"{sum(holds.values())} holds played {putts} putts")
    scores = game.since(start, "score")
    if not scores or scores[-1] != total:
        raise AssertionError(f"the score shown at the end is {scores[-1:]}, the results add up to {total}")

    target = next((row for row, (_, score) in enumerate(before, 1) if int(score) < total), None)
    if target is None:
        raise AssertionError(f"the score {total} does not qualify against {before}; use a lower starter ranking")
    game.wait(lambda: ranking_box(app) is not None, 30, "the ranking box")
    if ranking_box(app) != target:
        raise AssertionError(f"the ranking box offers rank {ranking_box(app)}, the table makes it {target}")
    desktop.type_line(name)
    expected = before[:target - 1] + [(name, str(total))] + before[target - 1:4]
    game.wait(lambda: ranking_box(app) is None and ranking(app) == expected, 30, f"{name} in the ranking")
    return (f"{putts} putts for {holds['space']} holds of Space and {holds['mouse']} of the mouse, "
            f"score {total}, level {level}, ranked {target} as '{name}'")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--desktop", choices=["x11", "sway"], required=True)
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--games", type=int, default=1)
    parser.add_argument("--name", required=True)
    parser.add_argument("--shot", required=True)
    options = parser.parse_args()
    desktop = Desktop(options.desktop, [int(value) for value in options.shot.split(",")])
    rng = random.Random(options.seed)
    app = None
    deadline = time.monotonic() + 30
    while app is None and time.monotonic() < deadline:
        frame = game_frame(options.pid)
        app = frame.get_application() if frame is not None else None
        time.sleep(0.2)
    if app is None:
        print("the game is not on the accessibility bus", file=sys.stderr)
        return 1
    # Listening starts once the game is on the bus, which then tells it that someone listens.
    game = Game(options.pid)
    settled = time.monotonic() + 1
    game.wait(lambda: time.monotonic() > settled, 5, "the bus")
    for number in range(1, options.games + 1):
        try:
            line = play(desktop, game, app, rng, f"{options.name} {number}")
        except AssertionError as error:
            print(f"game {number} on {options.desktop}, seed {options.seed}: {error}", file=sys.stderr)
            return 1
        print(f"game {number} on {options.desktop}, seed {options.seed}: {line}", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
