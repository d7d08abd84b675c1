#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Play Numora through its real window under Xvfb, as a user would.

A developer tool, not part of the build.  It starts the game on an X display, reads the
computer's guess off the screen, answers it on the sign pad or the keypad, makes its own
guesses on the digit pad or the keypad, and goes on until an outcome window appears.
Screenshots go to --out.

Reading the screen:
  * The two four-digit displays (the computer's guess, frame "My guess is", and the number the
    player types, frame "Your guess is") use the same bold display font with equal-width
    digits, centred, so each digit position always occupies the same columns.  The tool
    types known numbers on the digit pad first and records a thresholded mask of every digit
    at every position from the player's display; the computer's display is then read by the
    nearest mask.  Ink is measured as darkness against the label's own background, summed over
    the three channels, so maroon and navy text give the same masks.
  * The history boxes are read line by line: the line's ink bands, the four-digit guess, then
    the plus run and the minus signs after it (a "+" has a vertical stroke, a "-" has none).
    Guess digits in the boxes are read with masks learnt from the player's own box, whose
    guesses the tool knows.

Modes (--mode):
  adversarial  answers the computer consistently but always with the answer that keeps the most
               numbers open; its own guesses are never the computer's number: fills the boxes.
  loss         answers truthfully for --secret; its own guesses are never right.
  win          answers adversarially; guesses only numbers that fit the computer's answers.
  draw         answers adversarially; learns the computer's number without naming it, and names
               it in the round in which the computer is bound to find the player's number.
  wrongsigns   answers 0 plus 0 minus, then answers that no number fits.

Examples (an X server must be running on --display, for example
`Xvfb :99 -screen 0 1024x768x24 -dpi 96 &`; the game is ./build/app/numora unless --binary):
  tools/xplay.py --mode loss --secret 5067 --out /tmp/xplay
  tools/xplay.py --mode adversarial --lookahead --shots-each-round --pause-before-answer 7
  tools/xplay.py --mode win --answer yes          # then press YES and look at the new match
Each run writes MODE-report.json (every round, what was read, the checks of the history lines
against what was played and against the row scale) and the screenshots, each also 3x scaled.

Uses only the Python standard library, xdotool, ImageMagick's import/convert, xmodmap and xset
(x11-xserver-utils); numlockx if it is there.
"""

import argparse
import collections
import itertools
import json
import os
import random
import re
import signal
import subprocess
import sys
import time

CONVERT = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else "convert"
IMPORT = "/usr/bin/import" if os.path.exists("/usr/bin/import") else "import"

# Client rectangles (pixels, below the menu bar) of what is read or pressed.
GUESS_RECT = (8, 184, 89, 33)          # the computer's guess display
ENTRY_RECT = (120, 184, 89, 33)        # the player's number display
MY_BOX_RECT = (32, 8, 65, 133)         # computer's history ("My progress")
YOUR_BOX_RECT = (144, 8, 65, 133)      # player's history ("Your progress")
MY_SCALE_RECT = (8, 8, 19, 133)        # row scale beside the computer's history
YOUR_SCALE_RECT = (120, 8, 19, 133)    # row scale beside the player's history

DIGIT_BUTTONS = {  # client rectangles of the digit pad
    "7": (120, 224), "8": (152, 224), "9": (184, 224),
    "4": (120, 256), "5": (152, 256), "6": (184, 256),
    "1": (120, 288), "2": (152, 288), "3": (184, 288),
    "0": (120, 320), "C": (152, 320), "CA": (184, 320),
}
DIGIT_SIZE = (25, 25)
CONFIRM_NUMBER = (120, 352, 89, 25)
PLUS_TOPS = {4: 224, 3: 249, 2: 274, 1: 299, 0: 325}  # plus column Left 8, minus column Left 56
SIGN_SIZE = (41, 20)
CONFIRM_SIGNS = (8, 352, 89, 25)

VALID_ANSWERS = [(p, m) for p in range(5) for m in range(5) if p + m <= 4 and (p, m) != (3, 1)]
ALL_NUMBERS = ["".join(t) for t in itertools.permutations("0123456789", 4) if t[0] != "0"]


def score(secret, guess):
    plus = sum(a == b for a, b in zip(secret, guess))
    return plus, len(set(secret) & set(guess)) - plus


def log(*args):
    print(*args, flush=True)


# ---------------------------------------------------------------- X display

def run(cmd, check=True, **kw):
    res = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kw)
    if check and res.returncode != 0:
        raise RuntimeError("%s failed: %s" % (" ".join(cmd), res.stderr.decode(errors="replace").strip()))
    return res.stdout


class Image:
    def __init__(self, w, h, data):
        self.w, self.h, self.data = w, h, data

    def px(self, x, y):
        i = 3 * (y * self.w + x)
        return self.data[i], self.data[i + 1], self.data[i + 2]

    @staticmethod
    def from_ppm(blob):
        # P6 header: magic, width, height, maxval, each followed by whitespace
        parts, pos = [], 0
        while len(parts) < 4:
            while blob[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not blob[pos:pos + 1].isspace():
                pos += 1
            parts.append(blob[start:pos])
        pos += 1
        if parts[0] != b"P6" or parts[3] != b"255":
            raise ValueError("unexpected PPM header %r" % parts)
        w, h = int(parts[1]), int(parts[2])
        return Image(w, h, blob[pos:pos + 3 * w * h])


class App:
    """The game process and its main window."""

    def __init__(self, binary, display):
        self.binary, self.display = binary, display
        self.env = dict(os.environ, DISPLAY=display)
        self.proc = None
        self.wid = None
        self.menu_h = None

    def start(self):
        logf = open("/tmp/xplay-numora-%d.log" % os.getpid(), "w")
        self.proc = subprocess.Popen([self.binary], env=self.env, stdout=logf, stderr=logf,
                                     stdin=subprocess.DEVNULL, start_new_session=True)
        end = time.time() + 20
        while time.time() < end:
            ids = self.windows()
            main = [w for w in ids if w[5] == "Numora"]
            if main:
                self.wid = main[0][0]
                break
            if self.proc.poll() is not None:
                raise RuntimeError("numora exited before showing a window")
            time.sleep(0.05)
        else:
            raise RuntimeError("no window within 20 s")
        time.sleep(0.4)
        self.menu_h = self.measure_menu()
        log("started pid %d window 0x%x menu bar %d px" % (self.proc.pid, self.wid, self.menu_h))

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()

    def alive(self):
        return self.proc.poll() is None

    def windows(self):
        """Visible windows of the game: (id, x, y, w, h, title)."""
        out = run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)], check=False,
                  env=self.env).decode().split()
        res = []
        for s in out:
            wid = int(s)
            geo = run(["xdotool", "getwindowgeometry", "--shell", s], check=False, env=self.env).decode()
            g = dict(l.split("=", 1) for l in geo.split() if "=" in l)
            if not g:
                continue
            name = run(["xdotool", "getwindowname", s], check=False, env=self.env).decode().rstrip("\n")
            w, h = int(g["WIDTH"]), int(g["HEIGHT"])
            if w <= 1 and h <= 1:
                continue
            res.append((wid, int(g["X"]), int(g["Y"]), w, h, name))
        return res

    def others(self):
        return [w for w in self.windows() if w[0] != self.wid]

    def geometry(self, wid=None):
        geo = run(["xdotool", "getwindowgeometry", "--shell", str(wid or self.wid)], env=self.env).decode()
        g = dict(l.split("=", 1) for l in geo.split() if "=" in l)
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def capture(self):
        x, y, w, h = self.geometry()
        blob = run([IMPORT, "-silent", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                    "+repage", "-depth", "8", "ppm:-"], env=self.env)
        return Image.from_ppm(blob)

    def measure_menu(self):
        """Height of the menu bar: the first row whose left edge is the maroon outline."""
        for _ in range(20):
            img = self.capture()
            for y in range(img.h):
                r, g, b = img.px(1, y)
                if r > 100 and g < 40 and b < 40:
                    return y
            time.sleep(0.2)
        raise RuntimeError("maroon outline not found; is this the game window?")

    def find(self, target):
        """Window id of a target: an id ("0x200006" or decimal), or a title, exact if a visible
        window has it, else a regular expression; the topmost of several. None: the screen."""
        if target == "":
            return None
        if re.fullmatch(r"0x[0-9a-fA-F]+|[0-9]+", str(target)):
            return int(str(target), 0)
        end = time.time() + 5
        while True:
            found = run(["xdotool", "search", "--onlyvisible", "--name", target], check=False,
                        env=self.env).decode().split()
            exact = [w for w in found if run(["xdotool", "getwindowname", w], check=False,
                                              env=self.env).decode().rstrip("\n") == target]
            if exact or found:
                return int((exact or found)[-1])
            if time.time() > end:
                raise RuntimeError("no visible window titled %r" % target)
            time.sleep(0.05)

    def click(self, rect):
        """Click the middle of a client rectangle (x, y[, w, h]) given below the menu bar.
        Through XTEST, so Qt sees a real press and release."""
        x, y = rect[0], rect[1]
        w, h = (rect[2], rect[3]) if len(rect) == 4 else DIGIT_SIZE
        wx, wy, _, _ = self.geometry()
        run(["xdotool", "mousemove", "--sync", str(wx + x + w // 2), str(wy + self.menu_h + y + h // 2)],
            env=self.env)
        time.sleep(0.05)  # the button sees the pointer enter first
        run(["xdotool", "click", "1"], env=self.env)
        time.sleep(0.1)

    def keypad_keycode(self, keysym):
        """Keycode of the physical keypad key whose NumLock level is keysym (KP_0..KP_9,
        KP_Decimal), or None."""
        if not hasattr(self, "_keymap"):
            self._keymap = [l.split() for l in run(["xmodmap", "-pke"], env=self.env).decode().splitlines()]
        for f in self._keymap:
            if len(f) >= 5 and f[0] == "keycode" and f[4] == keysym and f[3] != keysym:
                return f[1]
        return None

    def keys(self, *keys, target=None):
        """Focus the window (the game's, or target) and press the keys. Keypad digits and the
        decimal key go as the physical keypad key with NumLock on, as from a real keyboard:
        xdotool's own way taps Num_Lock around each, which Qt sees as extra key presses."""
        if "Num Lock:    on" not in run(["xset", "q"], env=self.env).decode():
            if subprocess.run(["numlockx", "on"], env=self.env, stderr=subprocess.DEVNULL).returncode:
                run(["xdotool", "key", "Num_Lock"], env=self.env)
        wid = str(target or self.wid)
        for focus in (["windowactivate"], ["windowfocus", "--sync"]):  # the first needs a window manager
            try:
                run(["xdotool"] + focus + [wid], check=False, env=self.env, timeout=3)
            except subprocess.TimeoutExpired:
                pass
        time.sleep(0.05)
        sent = [(self.keypad_keycode(k) or k) if re.fullmatch(r"KP_([0-9]|Decimal)", k) else k for k in keys]
        run(["xdotool", "key", "--delay", "60", "--"] + sent, env=self.env)
        time.sleep(0.1)

    def shot(self, path, target=None, scale=True):
        """Screenshot of a window (the game's, or target) as a user sees it: the screen cropped
        to the window, so a menu or dialog over it shows; target "" is the whole screen."""
        time.sleep(0.2)  # pending repaints land first
        wid = self.find(target) if target is not None else self.wid
        if wid is None:
            run([IMPORT, "-window", "root", path], env=self.env)
        else:
            x, y, w, h = self.geometry(wid)
            w, h = w + min(x, 0), h + min(y, 0)
            x, y = max(x, 0), max(y, 0)
            run([IMPORT, "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", path],
                env=self.env)
        if scale and path.endswith(".png"):
            big = path[:-4] + "-3x.png"
            run([CONVERT, path, "-scale", "300%", big])
        return path

    def rect(self, r):
        return r[0], self.menu_h + r[1], r[2], r[3]


# ---------------------------------------------------------------- ink masks

def ink_mask(img, rect, inset, level=0.35):
    """Rows of 0/1 over a rectangle: 1 where the pixel is darker than the background (the
    most frequent colour) by more than `level` of the background's channel sum."""
    x0, y0, w, h = rect
    xs = range(x0 + inset, x0 + w - inset)
    ys = range(y0 + inset, y0 + h - inset)
    counts = collections.Counter(img.px(x, y) for y in ys for x in xs)
    bg = counts.most_common(1)[0][0]
    full = max(1, sum(bg))
    rows = []
    for y in ys:
        row = []
        for x in xs:
            p = img.px(x, y)
            dark = sum(max(0, b - c) for b, c in zip(bg, p))
            row.append(1 if dark > level * full else 0)
        rows.append(row)
    return rows, bg


def col_runs(rows, x0=0, x1=None, y0=0, y1=None, gap=1):
    """Runs of columns holding ink; runs separated by fewer than `gap` empty columns merge."""
    if not rows:
        return []
    x1 = len(rows[0]) if x1 is None else x1
    y1 = len(rows) if y1 is None else y1
    cols = [any(rows[y][x] for y in range(y0, y1)) for x in range(x0, x1)]
    runs = []
    for i, c in enumerate(cols):
        if not c:
            continue
        if runs and i - runs[-1][1] - 1 < gap:
            runs[-1][1] = i
        else:
            runs.append([i, i])
    return [(a + x0, b + x0) for a, b in runs]


def row_bands(rows):
    bands, cur = [], None
    for y, row in enumerate(rows):
        if any(row):
            if cur is None:
                cur = [y, y]
            else:
                cur[1] = y
        elif cur is not None:
            bands.append(tuple(cur))
            cur = None
    if cur is not None:
        bands.append(tuple(cur))
    return bands


def cut(rows, x0, x1, y0=0, y1=None):
    y1 = len(rows) if y1 is None else y1
    return tuple(tuple(rows[y][x0:x1 + 1]) for y in range(y0, y1))


def hamming(a, b):
    return sum(p != q for ra, rb in zip(a, b) for p, q in zip(ra, rb))


def ascii_mask(rows):
    return "\n".join("".join("#" if v else "." for v in row) for row in rows)


class DisplayReader:
    """Reads a four-digit display by nearest mask per digit position."""
    INSET = 3

    def __init__(self):
        self.samples = []      # (number, rows)
        self.cells = None      # four (x0, x1) column ranges
        self.refs = None       # refs[pos][digit] = mask
        self.conflicts = 0

    def add_sample(self, number, rows):
        self.samples.append((number, rows))

    def build(self):
        extents = [[] for _ in range(4)]
        for number, rows in self.samples:
            runs = col_runs(rows)
            if len(runs) == 4:
                for p, r in enumerate(runs):
                    extents[p].append(r)
        if not all(extents):
            # digits touch in every sample: split the text's extent in four equal parts
            lo = min(col_runs(r)[0][0] for _, r in self.samples)
            hi = max(col_runs(r)[-1][1] for _, r in self.samples)
            step = (hi - lo + 1) / 4.0
            self.cells = [(int(lo + p * step), int(lo + (p + 1) * step) - 1) for p in range(4)]
        else:
            self.cells = [(min(a for a, _ in e), max(b for _, b in e)) for e in extents]
            for p in range(3):  # overlapping cells meet half-way
                if self.cells[p][1] >= self.cells[p + 1][0]:
                    mid = (self.cells[p][1] + self.cells[p + 1][0]) // 2
                    self.cells[p] = (self.cells[p][0], mid)
                    self.cells[p + 1] = (mid + 1, self.cells[p + 1][1])
        self.refs = [dict() for _ in range(4)]
        for number, rows in self.samples:
            for p, (a, b) in enumerate(self.cells):
                g = cut(rows, a, b)
                old = self.refs[p].get(number[p])
                if old is not None and old != g:
                    self.conflicts += 1
                self.refs[p].setdefault(number[p], g)
        missing = [(p, d) for p in range(4) for d in "0123456789"
                   if d not in self.refs[p] and not (p == 0 and d == "0")]
        return missing

    def read(self, rows):
        """Returns (text or None, worst distance, smallest margin to the runner-up)."""
        if not any(any(r) for r in rows):
            return None, 0, 0
        text, worst, margin = "", 0, 10 ** 9
        for p, (a, b) in enumerate(self.cells):
            g = cut(rows, a, b)
            ds = sorted((hamming(g, m), d) for d, m in self.refs[p].items())
            text += ds[0][1]
            worst = max(worst, ds[0][0])
            if len(ds) > 1:
                margin = min(margin, ds[1][0] - ds[0][0])
        return text, worst, margin


def reference_numbers():
    """Numbers with distinct digits that together put every digit at every position
    (0 never first), plus a second covering to check that masks repeat exactly."""
    nums = ["".join(str((d + k) % 10) for k in range(4)) for d in range(1, 10)]
    nums.append("4123")
    nums += ["".join(str((d - k) % 10) for k in range(4)) for d in range(1, 10)] + ["5432"]
    seen, out = set(), []
    for n in nums:
        if n[0] != "0" and len(set(n)) == 4 and n not in seen:
            seen.add(n)
            out.append(n)
    return out


# ---------------------------------------------------------------- history boxes

class HistoryReader:
    INSET = 2

    def __init__(self):
        self.small = {}                           # digit -> cropped masks, learnt from Picture1
        self.guess_cells = None
        self.known = []

    def lines(self, img, rect):
        """Each line: dict(band, groups, plus, minus, cells)."""
        rows, bg = ink_mask(img, rect, self.INSET)
        out = []
        for y0, y1 in row_bands(rows):
            band = rows[y0:y1 + 1]
            groups = col_runs(band, gap=2)
            heights = []
            for x in range(len(band[0])):
                heights.append(sum(band[y][x] for y in range(len(band))))
            line = {"band": (y0, y1), "groups": groups, "plus": 0, "minus": 0, "rows": band}
            if groups:
                guess = groups[0]
                line["guess_span"] = guess
                for a, b in groups[1:]:
                    strokes = col_runs([[1 if heights[x] >= 4 else 0 for x in range(a, b + 1)]])
                    if strokes:
                        line["plus"] += len(strokes)
                    else:
                        line["minus"] += 1
            out.append(line)
        return out

    def learn(self, line, text):
        """Digit masks of the box font, from a line whose guess is known.  The masks are
        cropped to their ink, so a digit learnt at one place reads at any other."""
        self.known.append((line, text))
        extents = [[] for _ in range(4)]
        for ln, _ in self.known:
            a, b = ln["guess_span"]
            runs = col_runs(ln["rows"], a, b + 1)
            if len(runs) == 4:
                for p, r in enumerate(runs):
                    extents[p].append(r)
        if not all(extents):
            return
        self.guess_cells = [(min(x for x, _ in e), max(y for _, y in e)) for e in extents]
        for ln, t in self.known:
            for p, (x0, x1) in enumerate(self.guess_cells):
                self.small.setdefault(t[p], set()).add(crop(cut(ln["rows"], x0, x1)))

    def read_guess(self, line):
        """The guess of a line by the learnt masks; "?" for a digit not learnt yet."""
        if not self.guess_cells:
            return None, None
        text, worst = "", 0
        for x0, x1 in self.guess_cells:
            g = crop(cut(line["rows"], x0, x1))
            cands = sorted((hamming(g, m), d) for d, ms in self.small.items() for m in ms
                           if len(m) == len(g) and len(m[0]) == len(g[0]))
            if not cands or cands[0][0] > 2:
                text += "?"
                continue
            text += cands[0][1]
            worst = max(worst, cands[0][0])
        return text, worst


def crop(mask):
    """A mask cut down to the rows and columns holding ink."""
    rows = [i for i, r in enumerate(mask) if any(r)]
    if not rows:
        return ((),)
    cols = [j for j in range(len(mask[0])) if any(r[j] for r in mask)]
    return tuple(tuple(mask[i][cols[0]:cols[-1] + 1]) for i in range(rows[0], rows[-1] + 1))


# ---------------------------------------------------------------- the player

class Player:
    def __init__(self, app, args):
        self.app, self.args = app, args
        self.out = args.out
        self.reader = DisplayReader()
        self.hist = HistoryReader()
        self.rng = random.Random(args.seed)
        self.my_guesses, self.their_answers = [], []     # the player's guesses, the computer's answers
        self.comp_guesses, self.my_answers = [], []      # the computer's guesses, the player's answers
        self.S = list(ALL_NUMBERS)   # numbers that fit the player's answers (the computer's view)
        self.P = list(ALL_NUMBERS)   # numbers that fit the computer's answers
        self.report = {"mode": args.mode, "input": args.input, "rounds": [], "checks": []}
        self.shots = []
        self.outcome = None

    # -- input
    def use_keys(self, what):
        mode = self.args.input
        if mode == "mixed":
            return (len(self.my_guesses) + (what == "signs")) % 2 == 0
        return mode == "keys"

    def type_number(self, number, keys=None):
        keys = self.use_keys("number") if keys is None else keys
        if keys:
            self.app.keys(*["KP_" + d for d in number])
        else:
            for d in number:
                self.app.click(DIGIT_BUTTONS[d])

    def clear_entry(self):
        self.app.click(DIGIT_BUTTONS["CA"])

    def confirm_number(self, keys):
        if keys:
            self.app.keys("KP_Enter")
        else:
            self.app.click(CONFIRM_NUMBER)

    def select_signs(self, plus, minus, keys):
        if keys:   # the decimal point starts again at 0 plus 0 minus, then count up
            self.app.keys(*(["KP_Decimal"] + ["KP_Add"] * plus + ["KP_Subtract"] * minus))
        else:
            self.app.click((8, PLUS_TOPS[plus]) + SIGN_SIZE)
            self.app.click((56, PLUS_TOPS[minus]) + SIGN_SIZE)

    def confirm_signs(self, keys):
        if keys:   # "Confirm Signs" holds the focus
            self.app.keys("KP_Enter")
        else:
            self.app.click(CONFIRM_SIGNS)

    # -- screen
    def display_rows(self, img, rect):
        rows, _ = ink_mask(img, self.app.rect(rect), DisplayReader.INSET)
        return rows

    def wait_entry(self, number, timeout=5):
        end = time.time() + timeout
        while time.time() < end:
            img = self.app.capture()
            rows = self.display_rows(img, ENTRY_RECT)
            runs = col_runs(rows)
            width = runs[-1][1] - runs[0][0] + 1 if runs else 0
            if len(runs) == 4:
                self.full_width = max(getattr(self, "full_width", 0), width)
            # four glyphs apart, or (digits touching) as wide as four digits were
            if len(runs) >= 4 or (getattr(self, "full_width", 0) and width >= self.full_width - 4) \
                    or (self.reader.refs and self.reader.read(rows)[0] == number):
                time.sleep(0.1)
                again = self.display_rows(self.app.capture(), ENTRY_RECT)
                if again == rows:
                    return rows
            time.sleep(0.05)
        raise RuntimeError("the player's display did not show %s" % number)

    def learn_digits(self):
        nums = reference_numbers()
        for i, n in enumerate(nums):
            self.type_number(n, keys=(i % 2 == 0))
            rows = self.wait_entry(n)
            self.reader.add_sample(n, rows)
            self.clear_entry()
            end = time.time() + 5
            while any(any(r) for r in self.display_rows(self.app.capture(), ENTRY_RECT)):
                if time.time() > end:
                    raise RuntimeError("CA did not empty the display")
                time.sleep(0.05)
        self.learn_scale_digits(self.app.capture())
        missing = self.reader.build()
        # self-check: every sample must read back as itself
        bad = [n for n, rows in self.reader.samples if self.reader.read(rows)[0] != n]
        info = {"samples": len(nums), "cells": self.reader.cells, "missing": missing,
                "conflicts": self.reader.conflicts, "misread_samples": bad}
        self.report["reader"] = info
        log("digit masks:", json.dumps(info))
        if self.args.dump:
            for p in range(4):
                for d in sorted(self.reader.refs[p]):
                    log("pos %d digit %s\n%s" % (p, d, ascii_mask(self.reader.refs[p][d])))
        if missing or bad:
            raise RuntimeError("digit masks incomplete: %s %s" % (missing, bad))

    def learn_scale_digits(self, img):
        """The row scale is in the boxes' font: its rows give the digits 1 to 9 and 0."""
        rows, _ = ink_mask(img, self.app.rect(YOUR_SCALE_RECT), 2)
        bands = row_bands(rows)
        for k, (y0, y1) in enumerate(bands[:10]):
            band = rows[y0:y1 + 1]
            runs = col_runs(band)
            labels = str(k + 1)
            if len(runs) != len(labels):
                continue
            for (a, b), d in zip(runs, labels):
                self.hist.small.setdefault(d, set()).add(crop(cut(band, a, b)))
        self.report["scale_rows"] = len(bands)

    def read_guess_display(self, img):
        return self.reader.read(self.display_rows(img, GUESS_RECT))

    def box_lines(self, img, which):
        r = MY_BOX_RECT if which == "my" else YOUR_BOX_RECT
        return self.hist.lines(img, self.app.rect(r))

    def scale_rows(self, img, which):
        r = MY_SCALE_RECT if which == "my" else YOUR_SCALE_RECT
        rows, _ = ink_mask(img, self.app.rect(r), 2)
        return row_bands(rows)

    # -- waiting
    def poll(self, cond, timeout, what):
        end = time.time() + timeout
        while time.time() < end:
            if not self.app.alive():
                raise RuntimeError("the game exited while waiting for %s" % what)
            others = self.app.others()
            if others:
                return ("window", others)
            img = self.app.capture()
            r = cond(img)
            if r:
                return ("ok", r)
            time.sleep(0.1)
        raise RuntimeError("timed out waiting for %s" % what)

    # -- strategy
    def choose_guess(self):
        tried = set(self.my_guesses)
        mode = self.args.mode
        if mode == "win":
            if len(self.P) == 1:
                return self.P[0]
            return self.best_split([n for n in self.P if n not in tried], self.P)
        if mode == "draw":
            if len(self.P) == 1 and len(self.S) == 1:
                return self.P[0]
            if len(self.S) == 1:           # the computer names the player's number now: take a chance
                return self.rng.choice(self.P)
            pset = set(self.P)
            outside = [n for n in ALL_NUMBERS if n not in tried and n not in pset]
            return self.best_split(outside or [n for n in ALL_NUMBERS if n not in tried], self.P)
        # never right: a number that the computer's answers rule out
        pset = set(self.P)
        outside = [n for n in ALL_NUMBERS if n not in tried and n not in pset]
        # in the first round nothing is ruled out yet
        return self.rng.choice(outside or [n for n in ALL_NUMBERS if n not in tried])

    def best_split(self, pool, within):
        if len(within) <= 1:
            return self.rng.choice(pool)
        if not self.my_guesses:
            return self.rng.choice(pool)
        sample = pool if len(pool) <= 300 else self.rng.sample(pool, 300)
        best = None
        for g in sample:
            worst = max(collections.Counter(score(x, g) for x in within).values())
            key = (worst, g not in within)
            if best is None or key < best[0]:
                best = (key, g)
        return best[1]

    def choose_answer(self, guess):
        mode = self.args.mode
        forced = dict(self.args.force_answer or [])
        rnd = len(self.comp_guesses)
        if rnd in forced and mode != "loss":
            want = forced[rnd]
            if any(score(x, guess) == want for x in self.S):
                return want
            log("forced answer %s to %s fits no open number; answering as usual" % (want, guess))
        if mode == "loss":
            return score(self.args.secret, guess)
        classes = collections.defaultdict(list)
        for x in self.S:
            classes[score(x, guess)].append(x)
        if mode == "wrongsigns":
            if not self.comp_guesses[:-1]:
                return (0, 0)
            empty = [a for a in VALID_ANSWERS if not classes.get(a) and a != (4, 0)]
            if empty:
                return empty[0]
            return min((a for a in classes if a != (4, 0)), key=lambda a: len(classes[a]))
        if self.args.lookahead and len(self.S) <= 600:
            return self.lookahead_answer(classes)
        return max(classes, key=lambda a: (len(classes[a]), a != (4, 0), a))

    def lookahead_answer(self, classes):
        """Among the bigger answer classes, the one the computer splits worst with its best
        next guess (any number not yet guessed), then the bigger."""
        big = max(len(c) for c in classes.values())
        tried = set(self.comp_guesses)
        pool = [n for n in ALL_NUMBERS if n not in tried]
        best = None
        for a, cls in classes.items():
            if a == (4, 0) or len(cls) * 2 < big:
                continue
            if len(cls) == 1:
                hard = (0, 1)
            else:
                worst_best = min(max(collections.Counter(score(x, g) for x in cls).values()) for g in pool)
                # a class the computer cannot split at all leaves it guessing one by one
                hard = (worst_best, len(cls))
            if best is None or hard > best[0]:
                best = (hard, a)
        return best[1]

    # -- a match
    def new_match(self):
        self.app.keys("alt+g", "n")
        time.sleep(0.5)

    def play(self):
        self.new_match()
        self.learn_digits()
        rnd = 0
        while True:
            rnd += 1
            rec = {"round": rnd}
            guess = self.choose_guess()
            keys = self.use_keys("number")
            self.type_number(guess, keys)
            rows = self.wait_entry(guess)
            rec["player_guess"] = guess
            rec["entry_read"] = self.reader.read(rows)[0]
            self.confirm_number(keys)
            self.my_guesses.append(guess)
            t0 = time.time()
            # the computer scores the player's guess at once: its line in "Your progress"
            st, res = self.poll(lambda img: len(self.box_lines(img, "your")) >= rnd and img,
                                10, "the player's history line")
            if st == "window":
                return self.finish(res, rec)
            line = self.box_lines(res, "your")[rnd - 1]
            ans = (line["plus"], line["minus"])
            rec["computer_answer"] = ans
            self.their_answers.append(ans)
            self.hist.learn(line, guess)
            self.P = [n for n in self.P if score(n, guess) == ans]
            rec["player_open"] = len(self.P)
            # then the computer's guess, or an outcome
            st, res = self.poll(lambda img: self.guess_ready(img), 120, "the computer's guess")
            rec["think_s"] = round(time.time() - t0, 2)
            if st == "window":
                return self.finish(res, rec)
            cguess, dist, margin = res
            rec["computer_guess"] = cguess
            rec["read_distance"] = dist
            rec["read_margin"] = margin
            rec["guess_was_open"] = cguess in set(self.S)
            self.comp_guesses.append(cguess)
            if self.args.shots_each_round:
                self.shot("round%02d-guess" % rnd)
            plus, minus = self.choose_answer(cguess)
            rec["my_answer"] = (plus, minus)
            skeys = self.use_keys("signs")
            rec["sign_input"] = "keypad" if skeys else "mouse"
            self.select_signs(plus, minus, skeys)
            if self.args.pause_before_answer == rnd:
                time.sleep(0.3)
                self.shot("round%02d-signs-selected" % rnd)
            self.confirm_signs(skeys)
            self.my_answers.append((plus, minus))
            self.S = [x for x in self.S if score(x, cguess) == (plus, minus)]
            rec["computer_open"] = len(self.S)
            st, res = self.poll(lambda img: (len(self.box_lines(img, "my")) >= rnd
                                             and self.read_guess_display(img)[0] is None) and img,
                                10, "the computer's history line")
            self.report["rounds"].append(rec)
            log(json.dumps(rec))
            if st == "window":
                return self.finish(res, None)
            self.check_lines(res, rnd)
            if self.args.shots_each_round:
                self.shot("round%02d-answered" % rnd)

    def guess_ready(self, img):
        text, dist, margin = self.read_guess_display(img)
        if text is None:
            return None
        time.sleep(0.1)   # let a half-painted display settle, then read again
        text2, dist2, margin2 = self.read_guess_display(self.app.capture())
        if text2 != text:
            return None
        return text, dist, margin

    def check_lines(self, img, rnd):
        """The history lines against what was played, and each line against its scale row."""
        for which, guesses, answers in (("your", self.my_guesses, self.their_answers),
                                        ("my", self.comp_guesses, self.my_answers)):
            lines = self.box_lines(img, which)
            scale = self.scale_rows(img, which)
            for k, line in enumerate(lines):
                read, worst = self.hist.read_guess(line)
                c = {"box": which, "line": k + 1, "guess": guesses[k] if k < len(guesses) else None,
                     "read": read, "signs": (line["plus"], line["minus"]),
                     "answer": answers[k] if k < len(answers) else None,
                     "band": [line["band"][0] + self.app.menu_h + YOUR_BOX_RECT[1] + HistoryReader.INSET,
                              line["band"][1] + self.app.menu_h + YOUR_BOX_RECT[1] + HistoryReader.INSET],
                     "scale_band": ([scale[k][0] + self.app.menu_h + YOUR_SCALE_RECT[1] + 2,
                                     scale[k][1] + self.app.menu_h + YOUR_SCALE_RECT[1] + 2]
                                    if k < len(scale) else None)}
                # a digit never seen at its place in the player's box reads "?" and is not judged
                same = (c["read"] is not None and c["guess"] is not None
                        and all(r in ("?", g) for r, g in zip(c["read"], c["guess"])))
                c["ok"] = same and tuple(c["signs"]) == tuple(c["answer"] or ())
                if c["read"] is None and tuple(c["signs"]) == tuple(c["answer"] or ()):
                    c["ok"] = None    # the box's digits are not learnt yet
                if c["answer"] is None:
                    c["ok"] = None    # a line the tool did not see come
                if k == rnd - 1 or not c["ok"] or rnd == 0:
                    self.report["checks"].append(c)
                    if c["ok"] is False and rnd:
                        log("CHECK FAILED", json.dumps(c))

    def shot(self, name, target=None):
        path = os.path.join(self.out, "%s-%s.png" % (self.args.tag or self.args.mode, name))
        self.app.shot(path, target)
        self.shots.append(path)
        log("shot", path)
        return path

    def finish(self, windows, rec):
        time.sleep(0.5)
        windows = self.app.others() or windows
        wid, x, y, w, h, title = windows[0]
        self.outcome = title
        self.report["outcome"] = {"title": title, "geometry": [x, y, w, h], "main": self.app.geometry()}
        log("outcome window %r at %d,%d %dx%d" % (title, x, y, w, h))
        img = self.app.capture()
        your = self.box_lines(img, "your")
        for k in range(len(self.their_answers), min(len(your), len(self.my_guesses))):
            ans = (your[k]["plus"], your[k]["minus"])   # the line the outcome came too fast for
            self.their_answers.append(ans)
            self.P = [n for n in self.P if score(n, self.my_guesses[k]) == ans]
            if rec is not None:
                rec["computer_answer"] = ans
                rec["player_open"] = len(self.P)
        # every line again, now that the box font's digits are known better
        n = len(self.report["checks"])
        self.check_lines(img, 0)
        self.report["final_checks"] = self.report["checks"][n:]
        del self.report["checks"][n:]
        self.report["final_checks_ok"] = all(c["ok"] is not False for c in self.report["final_checks"])
        if rec is not None:
            self.report["rounds"].append(rec)
            log(json.dumps(rec))
        self.report["final_my_lines"] = [(l["plus"], l["minus"]) for l in self.box_lines(img, "my")]
        self.report["final_your_lines"] = [(l["plus"], l["minus"]) for l in self.box_lines(img, "your")]
        self.report["final_guess_display"] = self.read_guess_display(img)[0]
        self.report["P"] = self.P if len(self.P) <= 10 else len(self.P)
        self.report["S"] = self.S if len(self.S) <= 10 else len(self.S)
        self.shot("dialog", target=title if title != "Numora" else hex(wid))
        self.shot("main-behind")
        self.shot("screen", target="")
        m = re.search(r"My number was : (\d{4})", title)
        if m:
            self.report["revealed_secret"] = m.group(1)
            self.report["revealed_fits_answers"] = m.group(1) in set(self.P)
        return title


def forced_answer(text):
    m = re.fullmatch(r"(\d+):([0-4]),([0-4])", text)
    if not m or (int(m.group(2)), int(m.group(3))) not in VALID_ANSWERS:
        raise argparse.ArgumentTypeError("expected ROUND:PLUS,MINUS, a possible answer")
    return int(m.group(1)), (int(m.group(2)), int(m.group(3)))


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--binary", default=os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                      "..", "build", "app", "numora"),
                    help="the game's program (default: build/app/numora in this tree)")
    ap.add_argument("--display", default=os.environ.get("DISPLAY", ":99"))
    ap.add_argument("--mode", choices=["adversarial", "loss", "win", "draw", "wrongsigns"], default="loss")
    ap.add_argument("--secret", default="5067")
    ap.add_argument("--input", choices=["keys", "mouse", "mixed"], default="mixed")
    ap.add_argument("--out", default="/tmp/xplay")
    ap.add_argument("--tag", default=None, help="file name prefix of the screenshots (default: the mode)")
    ap.add_argument("--seed", type=int, default=None)
    ap.add_argument("--shots-each-round", action="store_true")
    ap.add_argument("--force-answer", type=forced_answer, action="append", metavar="ROUND:PLUS,MINUS",
                    help="answer the computer's guess of this round so, if some open number fits it")
    ap.add_argument("--lookahead", action="store_true",
                    help="adversarial answers: among the big classes take the one hardest to split")
    ap.add_argument("--pause-before-answer", type=int, default=0,
                    help="in this round, shoot with the signs selected before confirming them")
    ap.add_argument("--answer", choices=["yes", "no", "leave"], default="leave",
                    help="what to press in the outcome window at the end")
    ap.add_argument("--keep", action="store_true", help="leave the game running at the end")
    ap.add_argument("--dump", action="store_true", help="print the digit masks")
    args = ap.parse_args()
    if len(set(args.secret)) != 4 or args.secret[0] == "0" or not args.secret.isdigit():
        ap.error("the secret needs four different digits, not starting with 0")
    os.makedirs(args.out, exist_ok=True)
    app = App(os.path.abspath(args.binary), args.display)
    app.start()
    player = Player(app, args)
    rc = 0
    try:
        player.play()
        if args.answer != "leave" and player.outcome is not None:
            wins = app.others()
            if wins:
                wid = wins[0][0]
                if args.answer == "yes":
                    app.keys("Return", target=wid)
                    time.sleep(1.0)
                    player.report["after_yes"] = {
                        "windows": [w[5] for w in app.windows()],
                        "my_lines": len(player.box_lines(app.capture(), "my")),
                        "your_lines": len(player.box_lines(app.capture(), "your"))}
                    player.shot("after-yes")
                else:
                    player.report["no_pressed"] = True
                    # "NO" is the dialog's second button; Tab moves the focus to it, space presses it
                    app.keys("Tab", "space", target=wid)
                    time.sleep(1.0)
                    player.report["alive_after_no"] = app.alive()
    except Exception as e:  # keep what was seen so far
        rc = 1
        player.report["error"] = repr(e)
        log("ERROR", repr(e))
        try:
            player.shot("error")
        except Exception:
            pass
    finally:
        player.report["shots"] = player.shots
        path = os.path.join(args.out, "%s-report.json" % (args.tag or args.mode))
        with open(path, "w") as f:
            json.dump(player.report, f, indent=1)
        log("report", path)
        if not args.keep:
            app.stop()
        else:
            log("game left running: pid %d" % app.proc.pid)
    return rc


if __name__ == "__main__":
    sys.exit(main())
