#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Play Numora as a screen reader sees it: over the AT-SPI accessibility bus only.

A developer tool, not part of the build or of CI.  It starts the game with Qt's bridge to
the accessibility bus switched on, finds the game's window on the bus, and plays by pressing
buttons and menu items through their AT-SPI actions.  Everything it knows of the game it
reads from the bus: the displays' text, the history boxes line by line beside their row
numbers, the states of the buttons, the outcome dialog.  Every event the game sends that a
reader would speak is printed as it arrives ("hear"), beside what the tool does ("do") and
reads ("read").

The player guesses the first number that fits every line of "Your progress" and answers
the computer truthfully for --secret.

Needs Debian's python3-pyatspi (for the GObject bindings of AT-SPI, gir1.2-atspi-2.0),
at-spi2-core and dbus, an X display, and a session bus of its own:
  eval "$(/work/shared/tools/xsession.sh start :103 | grep ^export)"
  dbus-run-session -- /usr/bin/python3 tools/atspireader.py build/app/numora --rounds 1
"""

import argparse
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def pump(seconds, until=None):
    """Lets bus events arrive for up to `seconds`, or until `until()` holds."""
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        if until and until():
            return True
        time.sleep(0.01)
    return bool(until and until())


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def states(node):
    return {s.value_nick for s in node.get_state_set().get_states()}


def text(node):
    try:
        return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
    except GLib.Error:
        return ""


class Reader:
    def __init__(self, binary):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.game = subprocess.Popen([binary], env=env)
        self.app = None
        self.told = []  # what the game told at once (notices) in this round
        self.faults = []
        pump(20, self.findapp)
        if not self.app:
            sys.exit("the game did not appear on the accessibility bus")
        # Without a window manager nothing gives the window the keyboard; xdotool can,
        # where it is installed, as a desktop would.
        try:
            found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.game.pid)],
                                   capture_output=True, text=True, timeout=10).stdout.split()
            if found:
                subprocess.run(["xdotool", "windowfocus", found[0]], timeout=10, check=False)
        except (OSError, subprocess.TimeoutExpired):
            pass
        self.listener = Atspi.EventListener.new(self.hear)
        for kind in ("object:text-changed", "object:property-change:accessible-name", "object:state-changed:checked",
                     "object:children-changed", "window:activate", "focus:", "object:state-changed:showing"):
            self.listener.register(kind)
        pump(0.5)

    def findapp(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.game.pid:
                self.app = app
        return self.app is not None

    def hear(self, event):
        source = event.source
        who = f"{source.get_role_name()} \"{source.get_name()}\""
        kind = event.type
        if kind.startswith("object:text-changed"):
            what = "inserted" if kind.endswith("insert") else "removed"
            print(f"hear: {who}: text {what} {event.any_data!r}")
        elif kind.startswith("object:property-change"):
            print(f"hear: name is now {who}")
        elif kind == "object:state-changed:showing":
            if source.get_role_name() == "notification" and event.detail1:
                news = source.get_name()
                print(f"hear: told {news!r}")
                # A reader says it all: nothing twice in a round, no punctuation names.
                if news in self.told:
                    self.faults.append(f"told twice: {news!r}")
                if ":" in news:
                    self.faults.append(f"a colon is read aloud: {news!r}")
                self.told.append(news)
        elif kind.startswith("object:state-changed"):
            print(f"hear: {who} {'checked' if event.detail1 else 'not checked'}")
        elif kind.startswith("object:children-changed"):
            child = event.any_data
            name = child.get_name() if isinstance(child, Atspi.Accessible) else ""
            print(f"hear: {who}: row {'added' if kind.endswith('add') else 'removed'} {name!r}")
        elif kind.startswith("focus"):
            print(f"hear: focus on {who}")
        elif kind.startswith("window:activate"):
            print(f"hear: window {source.get_name()!r} is active")

    def find(self, role, name=None, prefix=None):
        for node in walk(self.app):
            if node.get_role_name() != role:
                continue
            label = node.get_name()
            if (name is None or label == name) and (prefix is None or label.startswith(prefix)):
                return node
        return None

    def press(self, role, name):
        node = self.find(role, name)
        if node is None:
            sys.exit(f"no {role} {name!r} on the bus")
        print(f"do: press {role} {name!r}")
        node.do_action(0)
        pump(0.3)

    def display(self, prefix):
        return self.find("label", prefix=prefix)

    def rows(self, box):
        node = self.find("list", box)
        return [node.get_child_at_index(i).get_name() for i in range(node.get_child_count())]

    def readbox(self, box, scale):
        lines, numbers = self.rows(box), self.rows(scale)
        print(f"read: list \"{box}\", {len(lines)} line(s):")
        node, ruler = self.find("list", box), self.find("list", scale)
        for k, line in enumerate(lines):
            at = node.get_child_at_index(k).get_extents(Atspi.CoordType.SCREEN)
            beside = ruler.get_child_at_index(k).get_extents(Atspi.CoordType.SCREEN)
            level = "level with" if (at.y, at.height) == (beside.y, beside.height) else "NOT level with"
            print(f"read:   {numbers[k]:>2} | {line}    (y {at.y}, {level} row number {numbers[k]})")

    def outcome(self):
        for node in walk(self.app):
            if node.get_role_name() == "dialog" and "!" in node.get_name():
                return node
        return None


def score(guess, number):
    return sum(10 if g == n else 1 if g in number else 0 for g, n in zip(guess, number))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary")
    parser.add_argument("--secret", default="5067", help="the player's number")
    parser.add_argument("--rounds", type=int, default=12, help="stop after this many rounds")
    args = parser.parse_args()

    numbers = [str(n) for n in range(1000, 10000) if len(set(str(n))) == 4]
    line = re.compile(r"^(\d{4}), (\d) plus, (\d) minus$")
    r = Reader(args.binary)
    try:
        play(r, args, numbers, line)
        if r.faults:
            sys.exit("heard wrong:\n" + "\n".join(r.faults))
    finally:
        r.game.terminate()
        r.game.wait()


def play(r, args, numbers, line):
    print(f"read: window \"{r.find('frame').get_name()}\"")
    r.press("menu item", "New")
    for round in range(1, args.rounds + 1):
        print(f"--- round {round}")
        r.told = []
        heard = [line.match(l).groups() for l in r.rows("Your progress")]
        guess = next(n for n in numbers if all(score(g, n) == int(p) * 10 + int(m) for g, p, m in heard))
        for digit in guess:
            r.press("check box", digit)
        print(f"read: {r.display('Your guess').get_name()!r}; checked digits: "
              + " ".join(d for d in "0123456789" if "checked" in states(r.find("check box", d))))
        r.press("push button", "Confirm Number")
        pump(10, lambda: len(text(r.display("My guess"))) == 4 or r.outcome())
        shown = r.display("My guess")
        print(f"read: {shown.get_name()!r} (text {text(shown)!r})")
        focus = [n.get_name() for n in walk(r.app) if "focused" in states(n)]
        print(f"read: focus on {', '.join(focus) or 'nothing'}; checked signs: "
              + ", ".join(n.get_name() for n in walk(r.app)
                          if n.get_role_name() == "radio button" and "checked" in states(n)))
        code = score(text(shown), args.secret)
        r.press("radio button", f"{code // 10} plus")
        r.press("radio button", f"{code % 10} minus")
        r.press("push button", "Confirm Signs")
        pump(1, r.outcome)
        r.readbox("My progress", "My rounds")
        r.readbox("Your progress", "Your rounds")
        dialog = r.outcome()
        if dialog:
            labels = [n.get_name() for n in walk(dialog) if n.get_role_name() == "label"]
            buttons = [n.get_name() for n in walk(dialog) if n.get_role_name() == "push button"]
            print(f"read: dialog {dialog.get_name()!r}: {' / '.join(labels)}; buttons {buttons}")
            break


if __name__ == "__main__":
    main()
