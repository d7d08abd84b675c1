#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Two matches by keyboard alone under the Orca screen reader, checked by what Orca speaks.

Starts the real game under Orca (Orca's default settings: desktop layout, key echo) on a
headless X display of its own, with every utterance written to a file (run-orca.sh), and
plays as a blind player does: keys pressed on the keyboard, everything known from speech.
A lost match in two rounds, then (same seed, so the same secret) a won match, or a draw
when the computer happens to name the player's number in the same round.

    match_under_orca.py GAME        exit 0 passed, 1 failed, 77 cannot run here (skipped)

NUMORA_TEST_SEED makes every match of the game draw from one seed; the secret is learnt
from the loss dialog, so the test needs no knowledge of the engine's random draws.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SKIP = 77
MINE = "9876"  # the player's secret: every answer to the computer is true for it


class Failed(Exception):
    pass


def score(guess, secret):
    """Plus and minus of `guess` against `secret`."""
    plus = sum(g == s for g, s in zip(guess, secret))
    return plus, sum(g in secret for g in guess) - plus


def other_orca_gone(wait):
    """Orca refuses to start while another Orca of the same user runs (another
    run of this test, or the developer's own reader): waits up to `wait` seconds."""
    end = time.time() + wait
    while subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True).returncode == 0:
        if time.time() > end:
            return False
        time.sleep(1)
    return True


def free_display():
    for n in range(186, 250):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return f":{n}"
    return None


class Player:
    def __init__(self, run, env):
        self.run = run
        self.env = env
        self.log = os.path.join(run, "spoken.log")
        self.mark = 0
        self.transcript = []
        self.keycodes = {}
        table = subprocess.run(["xmodmap", "-pke"], env=env, capture_output=True, text=True).stdout
        for line in table.splitlines():
            f = line.split()
            # keycode 87 = KP_End KP_1 ...: the key whose Num Lock level is KP_1
            if len(f) >= 5 and f[0] == "keycode" and f[4].startswith("KP_") and f[3] != f[4]:
                self.keycodes.setdefault(f[4], f[1])

    def spoken(self):
        with open(self.log, encoding="utf-8", errors="replace") as f:
            f.seek(self.mark)
            text = f.read()
        return " ".join(re.sub(r"^[a-zA-Z_]*\|", "", l).strip() for l in text.splitlines())

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def press(self, key):
        if re.fullmatch(r"KP_(\d|Decimal)", key):  # the physical key, as a keyboard sends it
            self.xdotool("key", "--delay", "0", self.keycodes.get(key, key))
        elif key.lower().startswith("alt+"):  # held as a person holds it
            self.xdotool("keydown", "Alt_L")
            time.sleep(0.3)
            self.xdotool("key", "--delay", "0", key[4:])
            time.sleep(0.1)
            self.xdotool("keyup", "Alt_L")
        else:
            self.xdotool("key", "--delay", "0", key)

    def step(self, label, keys, *expected, timeout=15, quiet=0.0):
        """Presses `keys`, then waits until every pattern of `expected` has been heard, in
        order; returns their matches. With `quiet`, waits that long and expects nothing new
        beyond the patterns."""
        with open(self.log, "rb") as f:
            self.mark = len(f.read())
        for key in keys:
            self.press(key)
            time.sleep(0.35)
        found = []
        end = time.time() + timeout
        while True:
            heard = self.spoken()
            found, at = [], 0
            for pattern in expected:
                m = re.compile(pattern).search(heard, at)
                if not m:
                    break
                found.append(m)
                at = m.end()
            if len(found) == len(expected) or time.time() > end:
                break
            time.sleep(0.1)
        if quiet:
            time.sleep(quiet)
            heard = self.spoken()
        self.transcript.append(f"## {label}  [keys: {' '.join(keys)}]\n   > {heard or '(silence)'}")
        print(self.transcript[-1], flush=True)
        if len(found) < len(expected):
            raise Failed(f"{label}: not heard: {expected[len(found)]!r}\n   heard: {heard!r}")
        return found

    def answer(self, label, plus, minus):
        """The answer on the keypad: each plus and minus key tells the answer so far."""
        keys = ["KP_Add"] * plus + ["KP_Subtract"] * minus
        told = [rf"notification {p} plus, 0 minus" for p in range(1, plus + 1)]
        told += [rf"notification {plus} plus, {m} minus" for m in range(1, minus + 1)]
        if keys:
            self.step(label, keys, *told)
        else:
            # Nothing to choose: a player still takes longer than the reply guard
            # (the keyboard input interval) to hear the guess and press Enter.
            time.sleep(0.6)


def play(p):
    p.step("Game menu", ["alt+g"], r"New")
    p.step("New: the number step begins on its confirm button", ["Return"], r"Confirm Number push button")

    # ---- match 1: lost in the second round
    p.step("digits on the keypad, each told", ["KP_1", "KP_0", "KP_2", "KP_3"],
           r"notification Your guess is 1\b", r"notification Your guess is 10\b",
           r"notification Your guess is 102\b", r"notification Your guess is 1023\b")
    p.step("decimal point takes back a digit", ["KP_Decimal", "KP_3"],
           r"notification Your guess is 102\b", r"notification Your guess is 1023\b")
    (m,) = p.step("Enter confirms; the computer's guess is told with my line",
                  ["KP_Enter"], r"Confirm Signs push button.*?notification My guess is (\d{4})\. "
                  r"Your progress\. 1023, (\d) plus, (\d) minus")
    first, line1 = m.group(1), (int(m.group(2)), int(m.group(3)))
    plus, minus = score(first, MINE)
    p.answer("the true answer on the keypad", plus, minus)
    p.step("the plus column: its choice is spoken as selected", ["shift+Tab"],
           rf"0 plus\.? {'' if plus == 0 else 'not '}selected radio button")
    p.step("back to Confirm Signs, which tells the guess again", ["Tab"],
           rf"Confirm Signs push button\.? My guess is {first}\.")
    p.step("Return takes the answer; my line is told with the next step", ["Return"],
           rf"Confirm Number push button\.? My progress\. {first}, {plus} plus, {minus} minus")

    p.step("the second guess", ["KP_5", "KP_6", "KP_7", "KP_8"], r"notification Your guess is 5678\b")
    (m,) = p.step("Enter: the computer's second guess", ["KP_Enter"],
                  r"notification My guess is (\d{4})\. Your progress\. 5678, (\d) plus, (\d) minus")
    line2 = (int(m.group(2)), int(m.group(3)))
    p.answer("four plus: the computer has found it", 4, 0)
    m, _, _ = p.step("Enter: the loss dialog is read whole", ["KP_Enter"],
                     r"You have lost! My number was\W+(?:colon\W+)?(\d{4}) dialog", r"Play again\?",
                     r"YES push button")
    secret = m.group(1)
    for guess, said in (("1023", line1), ("5678", line2)):
        if score(guess, secret) != said:
            raise Failed(f"{guess} was told as {said}, but scores {score(guess, secret)} against {secret}")

    # ---- match 2: the same secret, found at once
    p.step("YES: a new match", ["Return"], r"Confirm Number push button")
    p.step("main-keyboard digits type nothing", ["1"], quiet=1.0)
    if "notification" in p.spoken():
        raise Failed("a main-keyboard digit was typed")
    p.step("the secret", [f"KP_{d}" for d in secret], rf"notification Your guess is {secret}\b")
    (m,) = p.step("Enter: found; the computer still has its guess", ["KP_Enter"],
                  rf"notification My guess is (\d{{4}})\. Your progress\. {secret}, 4 plus, 0 minus")
    guess = m.group(1)
    plus, minus = score(guess, MINE)
    p.answer("the true answer", plus, minus)
    if (plus, minus) == (4, 0):
        p.step("Enter: both found it in the same round", ["KP_Enter"],
               r"It's a draw! dialog", r"Not bad at all! Play again\?", r"YES push button")
    else:
        p.step("Enter: the win dialog is read whole", ["KP_Enter"],
               r"You Won! dialog", r"Congratulations! +Play again\?", r"YES push button")


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    game = os.path.abspath(sys.argv[1])
    missing = [t for t in ("Xvfb", "xdotool", "xdpyinfo", "xmodmap", "numlockx", "dbus-daemon", "dbus-send", "orca",
                           "speech-dispatcher", "openbox") if not shutil.which(t)]
    if missing:
        print("SKIP: missing " + " ".join(missing) + " (./build.sh test installs them)")
        return SKIP
    if not other_orca_gone(60):
        print("SKIP: another Orca of this user is running, and only one may")
        return SKIP
    display = free_display()
    if not display:
        print("SKIP: no free X display number")
        return SKIP
    run = tempfile.mkdtemp(prefix="numora-orca-")
    env = dict(os.environ, ORCA_DISPLAY=display, ORCA_RUN_DIR=run, NUMORA_TEST_SEED="7", LANG="C.UTF-8",
               LANGUAGE="en", LC_ALL="C.UTF-8")
    for name in ("QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
        env.pop(name, None)
    started = subprocess.run([os.path.join(HERE, "run-orca.sh"), "start", game], env=env, capture_output=True,
                             text=True, timeout=90)
    try:
        if started.returncode != 0:
            print(started.stdout + started.stderr)
            raise Failed("Orca and the game did not start")
        for line in started.stdout.splitlines():
            for name, value in re.findall(r"(\w+)=(\S+)", line) if line.startswith("export ") else []:
                env[name] = value
        player = Player(run, env)
        play(player)
        print("PASS: a loss and a win (or draw) heard whole under Orca")
        status = 0
    except (Failed, subprocess.SubprocessError) as failure:
        print(f"FAIL: {failure}")
        for name in ("game.log", "orca.log"):
            path = os.path.join(run, name)
            if os.path.exists(path):
                print(f"---- {name}\n" + open(path, errors="replace").read()[-3000:])
        status = 1
    finally:
        subprocess.run([os.path.join(HERE, "run-orca.sh"), "stop"], env=env, capture_output=True, timeout=60)
    if status == 0:
        shutil.rmtree(run, ignore_errors=True)
    else:
        print(f"(run folder kept: {run})")
    return status


if __name__ == "__main__":
    sys.exit(main())
