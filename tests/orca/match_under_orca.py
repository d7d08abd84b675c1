#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Whole matches by keyboard alone under the Orca screen reader, checked by what Orca speaks.

Starts the real game under Orca (Orca's default settings: desktop layout, key echo) on a
headless X display of its own, with every utterance written to a file (run-orca.sh), and
plays as a blind player does: keys pressed on the keyboard, everything known from speech.
Each session is one run of Orca and the game with a seed of its own:

- seed 7, keypad (Num Lock on): refusals, the answer chosen by keypad, Tab and Space, keypad
  Enter on a sign button, R and the histories, then truthful rounds until the computer wins
  (by a guess or by working the number out), then a win, a draw and a contradiction with the
  secret learnt from the loss; plain rounds are counted (at most 35 words each);
- seed 1, laptop keys only, Num Lock off (the keypad is Orca's): at most 16 keys a round;
- seed 2, German, German keyboard layout (the keypad's decimal key is KP_Separator);
- seed 3, keypad: truthful rounds to the end.

Everywhere: no utterance twice in a round, no punctuation names, no "notification".

    match_under_orca.py GAME        exit 0 passed, 1 failed, 77 cannot run here (skipped)
    NUMORA_ORCA_SESSIONS=7,laptop   only these sessions (seed or name)
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
MINE = "9876"  # the player's secret: every true answer to the computer is true for it
ECHO = re.compile(r"^(return|tab|left shift|right shift|left alt|page up|page down|plus|minus|dash|backspace|"
                  r"[0-9a-zA-Z]|eingabe|tabulator|umschalt links|bild auf|bild ab|rücktaste)$", re.I)


class Failed(Exception):
    pass


def score(guess, secret):
    """Plus and minus of `guess` against `secret`."""
    plus = sum(g == s for g, s in zip(guess, secret))
    return plus, sum(g in secret for g in guess) - plus


def words(utterances):
    """Words heard, a number one word."""
    return sum(len(re.findall(r"[^\W\d_]+|\d+", u)) for u in utterances)


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
    def __init__(self, run, env, lang):
        self.run = run
        self.env = env
        self.lang = lang
        self.log = os.path.join(run, "spoken.log")
        self.mark = 0
        self.transcript = []
        self.readkeys()

    def readkeys(self):
        self.keycodes = {}
        table = subprocess.run(["xmodmap", "-pke"], env=self.env, capture_output=True, text=True).stdout
        for line in table.splitlines():
            f = line.split()
            # keycode 87 = KP_End KP_1 ...: the key whose Num Lock level is KP_1
            if len(f) >= 5 and f[0] == "keycode" and f[4].startswith("KP_") and f[3] != f[4]:
                self.keycodes.setdefault(f[4], f[1])

    def utterances(self, since=None):
        """What was spoken since the mark: one entry per utterance, key echoes too."""
        with open(self.log, encoding="utf-8", errors="replace") as f:
            f.seek(self.mark if since is None else since)
            text = f.read()
        said = []
        for line in text.splitlines():
            m = re.match(r"^[a-zA-Z_]*\|(.*)", line)
            if m:
                said.append(m.group(1).strip())
            elif said:
                said[-1] += " " + line.strip()
        return said

    def spoken(self, since=None):
        return " ".join(self.utterances(since))

    def ours(self, since):
        """The game's utterances since `since`, without Orca's echo of the keys."""
        return [u for u in self.utterances(since) if u and not ECHO.match(u)]

    def here(self):
        with open(self.log, "rb") as f:
            return len(f.read())

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def press(self, key):
        if re.fullmatch(r"KP_(\d|Decimal|Separator)", key):  # the physical key, as a keyboard sends it
            self.xdotool("key", "--delay", "0", self.keycodes.get(key, key))
        elif key.lower().startswith("alt+"):  # held as a person holds it
            self.xdotool("keydown", "Alt_L")
            time.sleep(0.3)
            self.xdotool("key", "--delay", "0", key[4:])
            time.sleep(0.1)
            self.xdotool("keyup", "Alt_L")
        else:
            self.xdotool("key", "--delay", "0", key)

    def step(self, label, keys, *expected, timeout=12, quiet=0.0, absent=None):
        """Presses `keys`, then waits until every pattern of `expected` has been heard, in
        order; returns their matches. With `quiet`, waits that long more; `absent` must
        not have been heard."""
        if keys:  # with no keys: what the last keys brought, heard on
            self.mark = self.here()
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
        time.sleep(quiet)
        heard = self.spoken()
        self.transcript.append(f"## {label}  [keys: {' '.join(keys)}]\n   > {heard or '(silence)'}")
        print(self.transcript[-1], flush=True)
        if len(found) < len(expected):
            raise Failed(f"{label}: not heard: {expected[len(found)]!r}\n   heard: {heard!r}")
        if absent and re.search(absent, heard):
            raise Failed(f"{label}: heard {absent!r}\n   heard: {heard!r}")
        return found

    def tabto(self, name, back=True):
        """Tab (or Shift+Tab) until Orca names the control `name`."""
        for _ in range(14):
            (m,) = self.step(f"to {name}", ["shift+Tab" if back else "Tab"], r"(\w+ \w+)[.\s]")
            if re.search(rf"\b{name}\b", self.spoken()):
                return
        raise Failed(f"Tab never reached {name}")


# English words of the game's speech, and German ones for the session in German.
SAY = {
    "en": dict(turn=r"Your turn, round {r}", new=r"New match\. Your turn, round 1", guess=r"I guess (\d{{4}})",
               signs=r"{p} plus, {m} minus", score=r"Your score, {p} plus, {m} minus", yours=r"Round {r}, your {n}, {p} plus, {m} minus",
               my=r"Round {r}, my {n}, {p} plus, {m} minus", found=r"I found your number, (\d{{4}})",
               held=r"My number was (\d{{4}})", zero=r"No 0 first", again=r"{d} is in already",
               four=r"Type four digits first", first=r"Type your guess first", answer=r"Answer my guess first",
               three=r"3 plus and 1 minus is not possible", more=r"More than four signs",
               lost=r"You have lost! My number was (\d{{4}}) dialog", won=r"You Won! dialog",
               draw=r"It's a draw! dialog", wrong=r"No valid number matches", earlier=r"No earlier line"),
    "de": dict(turn=r"Du bist dran, Runde {r}", new=r"Neue Partie\. Du bist dran, Runde 1",
               guess=r"Ich tippe auf (\d{{4}})", signs=r"{p} Plus, {m} Minus",
               score=r"Dein Ergebnis, {p} Plus, {m} Minus",
               yours=r"Runde {r}, dein Tipp {n}, {p} Plus, {m} Minus",
               my=r"Runde {r}, mein Tipp {n}, {p} Plus, {m} Minus",
               found=r"Ich habe deine Zahl gefunden, (\d{{4}})", held=r"Meine Zahl war (\d{{4}})",
               zero=r"Keine 0 am Anfang", again=r"{d} ist schon dabei", four=r"Erst vier Ziffern eingeben",
               first=r"Erst deinen Tipp eingeben", answer=r"Erst meinen Tipp beantworten",
               three=r"3 Plus und 1 Minus gibt es nicht", more=r"Mehr als vier Zeichen",
               lost=r"Verloren! Meine Zahl war (\d{{4}}) [Dd]ialog", won=r"Gewonnen! [Dd]ialog",
               draw=r"Unentschieden! [Dd]ialog", wrong=r"Keine gültige Zahl passt", earlier=r"Keine frühere Zeile"),
}


class Match:
    """One match as the player keeps it: the lines heard, the rounds counted."""

    def __init__(self, p, laptop=False):
        self.p, self.laptop = p, laptop
        self.say = SAY[p.lang]
        self.round = 1
        self.counts = []  # words (keypad) or keys (laptop) of each plain round

    def s(self, key, **fill):
        return self.say[key].format(**fill)

    def digits(self, number):
        return [d if self.laptop else f"KP_{d}" for d in number]

    def signkeys(self, plus, minus):
        if self.laptop:
            return ["plus"] * plus + ["minus"] * minus
        return ["KP_Add"] * plus + ["KP_Subtract"] * minus

    def enter(self):
        return "Return" if self.laptop else "KP_Enter"

    def endings(self):
        return "|".join(self.s(k) for k in ("lost", "wrong", "won", "draw"))

    def guess(self, number):
        """Types `number` and hands it in; returns the computer's guess, the score heard,
        where the round began and its keys so far; or the ending heard instead of a guess
        (the computer worked the number out, or the answers contradict each other)."""
        p = self.p
        start = p.here()
        keys = self.digits(number)
        p.step(f"round {self.round}: {number}", keys, *[rf"\b{number[:i + 1]}\b" for i in range(4)])
        m = p.step("hand it in: its score, then the computer's guess", [self.enter()],
                   r"(?:" + self.s("score", p=r"(\d)", m=r"(\d)") + r"[.\s]+" + self.s("guess") + "|("
                   + self.endings() + "))")[0]
        if m.group(3) is None:
            time.sleep(1.5)  # the rest of the dialog
            return m.group(0), None, start, len(keys) + 1
        told = (int(m.group(1)), int(m.group(2)))
        return m.group(3), told, start, len(keys) + 1

    def answer(self, computer, plus, minus, start, keys, plain=True):
        """Answers the computer's guess with `plus`, `minus` and confirms; returns what ended
        the match, or None."""
        p, s = self.p, self.s
        if plus or minus:
            told = [s("signs", p=pl, m=0) for pl in range(1, plus + 1)]
            told += [s("signs", p=plus, m=mi) for mi in range(1, minus + 1)]
            p.step("the answer, each key telling both counts", self.signkeys(plus, minus), *told)
        else:
            time.sleep(0.6)  # a player takes longer than the reply guard to hear the guess
        ending = self.confirmsigns(computer, plus, minus)
        if plain and not ending:  # a round that ends the match is told with its dialog
            heard = p.ours(start)
            self.nodouble(heard)
            count = keys + len(self.signkeys(plus, minus)) + 1
            self.counts.append(count if self.laptop else words(heard))
            # four words more for each sign key past two: both counts are told at each
            limit = 16 if self.laptop else 35 + 4 * max(0, plus + minus - 2)
            if self.counts[-1] > limit:
                raise Failed(f"round {self.round}: {self.counts[-1]} {'keys' if self.laptop else 'words'}"
                             f" (at most {limit}): {heard}")
        self.round += 1
        return ending

    def confirmsigns(self, computer, plus, minus):
        p, s = self.p, self.s
        m = p.step("confirm: the next turn, or the end", [self.enter()],
                   "(" + s("turn", r=self.round + 1) + "|" + self.endings() + ")")[0]
        if re.fullmatch(s("turn", r=self.round + 1), m.group(0)):
            return None
        time.sleep(1.5)  # the rest of the dialog
        return m.group(0)

    def nodouble(self, heard):
        seen = set()
        for u in heard:
            if u in seen:
                raise Failed(f"round {self.round}: said twice: {u!r} in {heard}")
            seen.add(u)


def truthful(p, match, your_lines=(), plain_from=1):
    """Guesses numbers that fit every score heard, answers truly for MINE, until the match
    ends. Returns (ending, the player's lines, the computer's lines)."""
    allnumbers = [str(n) for n in range(1023, 9877) if len(set(str(n))) == 4]
    mine_lines, your_lines = [], list(your_lines)
    while match.round <= 12:
        number = next(n for n in allnumbers if all(score(g, n) == t for g, t in your_lines)
                      and n not in [g for g, _ in your_lines])
        computer, told, start, keys = match.guess(number)
        if told is None:  # ended as it was handed in: the player's line is its score
            return computer, your_lines + [(number, None)], mine_lines
        your_lines.append((number, told))
        plus, minus = score(computer, MINE)
        mine_lines.append((computer, (plus, minus)))
        ending = match.answer(computer, plus, minus, start, keys, plain=match.round >= plain_from)
        if ending:
            return ending, your_lines, mine_lines
    raise Failed("no end after 12 rounds")


def checkend(p, match, ending, your_lines, found=None):
    """The end is told with the player's last line and the number the computer found."""
    s = match.s
    number, said = your_lines[-1]
    heard = p.spoken()
    plus, minus = said if said else (r"\d", r"\d")
    if not re.search(s("yours", r=len(your_lines), n=number, p=plus, m=minus), heard):
        raise Failed(f"the end does not tell the last line {number} {plus} {minus}: {heard}")
    m = re.search(s("found"), heard)
    if found and not (m and m.group(1) == found):
        raise Failed(f"the end does not tell the number found, {found}: {heard}")
    return m.group(1) if m else None


def session_keypad(p, seed):
    """Refusals, the answer by every way, R, the histories; then matches to every end."""
    s = lambda key, **fill: SAY[p.lang][key].format(**fill)
    if p.lang == "en":
        # About's OK is for the keyboard too; Help names every key, and its table reads as text
        p.step("About", ["alt+a"], r"OK push button", quiet=1.0, absent=r"Move your mouse|dot dot dot|paren")
        p.step("About closes", ["Return"], r"Numora")
        p.step("Help", ["alt+h"], r"Page Up and Page Down read both histories", r"R tells whose turn", quiet=1.0)
        p.step("Help's other column", ["Tab"], r"PLAYING", r"decimal point starts the answer again at 0 plus 0 minus")
        p.step("Help closes", ["Escape"], r"Numora")
    p.step("Game menu", ["alt+g" if p.lang == "en" else "alt+s"], r"New" if p.lang == "en" else r"Neu")
    p.step("New: announced", ["Return"], s("new"))
    match = Match(p)
    decimal = "KP_Separator" if p.lang == "de" else "KP_Decimal"
    p.step("0 first is refused, said why", ["KP_0"], s("zero"))
    p.step("+ before the number", ["KP_Add"], s("first"))
    p.step("a digit twice", ["KP_1", "KP_1"], r"\b1\b", s("again", d=1))
    p.step("three digits and Enter", ["KP_0", "KP_2", "KP_Enter"], r"\b102\b", s("four"))
    p.step("the decimal key takes back a digit", [decimal, "KP_3"], r"\b10\b", r"\b103\b")
    p.step("R tells the turn again, with the number so far", ["r"], s("turn", r=1) + r"\. 103")
    p.step("back to nothing", [decimal, decimal, decimal, decimal], r"\b1\b")
    computer, told, start, keys = match.guess("1023")
    your_lines = [("1023", told)]
    plus, minus = score(computer, MINE)
    p.step("a digit while answering", ["KP_5"], s("answer"))
    p.step("R: the guess again", ["r"], s("guess").replace(r"(\d{4})", computer))
    p.step("3 plus 1 minus: refused, said why", ["KP_Add"] * 3 + ["KP_Subtract"], s("three"))
    p.step("five plus: refused, said why", [decimal] + ["KP_Add"] * 5, s("more"))
    p.step("the decimal key starts again", [decimal], s("signs", p=0, m=0))
    # The stale answer: a wrong one by keypad, mended by Space on the sign buttons; what
    # Confirm Signs says before the Enter is what the history then holds.
    p.step("a wrong answer by keypad", ["KP_Add"] if minus else ["KP_Subtract"],
           r"\d plus, \d minus" if p.lang == "en" else r"\d Plus, \d Minus")
    p.step("the decimal key starts again", [decimal], s("signs", p=0, m=0))
    p.tabto(s("signs", p=plus, m=r"\d").split(", ")[0])
    p.step("Space chooses it, and tells the answer", ["space"], s("signs", p=plus, m=0))
    p.tabto(s("signs", p=r"\d", m=minus).split(", ")[1])
    p.step("Space chooses it, and tells the answer", ["space"], s("signs", p=plus, m=minus))
    p.tabto("Confirm Signs" if p.lang == "en" else "Antwort geben", back=False)
    if not re.search(s("signs", p=plus, m=minus), p.spoken()):
        raise Failed(f"Confirm Signs does not tell the answer chosen, {plus} {minus}: {p.spoken()}")
    # keypad Enter on a sign button confirms, and confirms the answer told
    p.step("back onto a sign button", ["shift+Tab"], r"\w")
    match.confirmsigns(computer, plus, minus)
    match.round += 1
    p.step("Page Up reads the history, last line first", ["Prior"],
           s("my", r=1, n=computer, p=plus, m=minus))
    p.step("and the line before", ["Prior"], s("yours", r=1, n="1023", p=told[0], m=told[1]))
    p.step("nothing before", ["Prior"], s("earlier"))

    # Truthful rounds to the computer's win, by a guess or worked out.
    ending, yours, mine = truthful(p, match, your_lines, plain_from=2)
    found = checkend(p, match, ending, yours)
    if re.search(s("won") + "|" + s("draw"), ending):  # the player found it: the last line is the secret
        secret = yours[-1][0]
    else:
        secret = re.search(s("lost"), ending).group(1)
        if found != MINE:
            raise Failed(f"the computer found {found}, not {MINE}")
    for guess, said in yours:
        if said and score(guess, secret) != said:
            raise Failed(f"{guess} was told as {said}, but scores {score(guess, secret)} against {secret}")
    counts = list(match.counts)

    # The same secret again: found at once, a win.
    p.step("YES: a new match", ["Return"], s("new"))
    match = Match(p)
    computer, _, _, _ = match.guess(secret)  # the computer still gets its guess in this round
    plus, minus = score(computer, MINE)
    if (plus, minus) == (4, 0):
        plus, minus = 0, 0
    match.answer(computer, plus, minus, p.here(), 0, plain=False)
    p.step("the win is told with the line", [], s("won"), s("yours", r=1, n=secret, p=4, m=0))

    # And a draw: the computer's first guess claimed as the player's number.
    p.step("YES: a new match", ["Return"], s("new"))
    match = Match(p)
    computer, _, _, _ = match.guess(secret)
    match.p.step("four plus", ["KP_Add"] * 4, s("signs", p=4, m=0))
    p.step("the draw is told with the line and the number found", [match.enter()], s("draw"),
           s("yours", r=1, n=secret, p=4, m=0), s("found").replace(r"(\d{4})", computer))

    # And answers that contradict each other: 0 plus, 0 minus to everything.
    p.step("YES: a new match", ["Return"], s("new"))
    match = Match(p)
    for number in ("1023", "4567", "8901", "2345"):
        computer, told, start, keys = match.guess(number)
        ending = computer if told is None else match.answer(computer, 0, 0, start, keys, plain=False)
        if ending:
            break
    if not ending or not re.search(s("wrong"), ending):
        raise Failed(f"no contradiction: {ending}")
    p.step("the contradiction tells the number held", [], s("held").replace(r"(\d{4})", secret))
    return counts


def session_truthful(p, seed):
    s = lambda key, **fill: SAY[p.lang][key].format(**fill)
    p.step("Game menu", ["alt+g"], r"New")
    p.step("New: announced", ["Return"], s("new"))
    match = Match(p)
    ending, yours, _ = truthful(p, match)
    checkend(p, match, ending, yours, found=MINE if re.search(match.s("lost"), ending) else None)
    return match.counts


def session_laptop(p, seed):
    """No keypad: Num Lock off (the keypad is then Orca's); main-row digits, + and -."""
    subprocess.run(["numlockx", "off"], env=p.env, check=True)
    s = lambda key, **fill: SAY[p.lang][key].format(**fill)
    p.step("Game menu", ["alt+g"], r"New")
    p.step("New: announced", ["Return"], s("new"))
    match = Match(p, laptop=True)
    p.step("Backspace takes back a digit", ["5", "BackSpace"], r"\b5\b", quiet=0.5)
    computer, told, start, keys = match.guess("1023")
    plus, minus = score(computer, MINE)
    match.answer(computer, plus, minus, start, keys)
    p.step("Page Up and Page Down read the histories, without a keypad", ["Prior", "Prior", "Next"],
           s("my", r=1, n=computer, p=plus, m=minus), s("yours", r=1, n="1023", p=told[0], m=told[1]),
           s("my", r=1, n=computer, p=plus, m=minus))
    ending, yours, _ = truthful(p, match, [("1023", told)])
    checkend(p, match, ending, yours, found=MINE if re.search(match.s("lost"), ending) else None)
    return match.counts


SESSIONS = [("7", "keypad", "en", session_keypad), ("1", "laptop", "en", session_laptop),
            ("2", "german", "de", session_keypad), ("3", "truthful", "en", session_truthful)]


def run_session(game, seed, name, lang, play):
    if not other_orca_gone(60):
        print("SKIP: another Orca of this user is running, and only one may")
        return SKIP, None
    display = free_display()
    if not display:
        print("SKIP: no free X display number")
        return SKIP, None
    run = tempfile.mkdtemp(prefix="numora-orca-")
    locale = ("C.UTF-8", lang)  # the game's words by LANGUAGE; Orca's own stay English
    env = dict(os.environ, ORCA_DISPLAY=display, ORCA_RUN_DIR=run, NUMORA_TEST_SEED=seed, LANG=locale[0],
               LANGUAGE=locale[1], LC_ALL=locale[0])
    for var in ("QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
        env.pop(var, None)
    print(f"==== session {name}: seed {seed}, {lang}", flush=True)
    counts = None
    started = subprocess.run([os.path.join(HERE, "run-orca.sh"), "start", game], env=env, capture_output=True,
                             text=True, timeout=90)
    try:
        if started.returncode != 0:
            print(started.stdout + started.stderr)
            raise Failed("Orca and the game did not start")
        for line in started.stdout.splitlines():
            for var, value in re.findall(r"(\w+)=(\S+)", line) if line.startswith("export ") else []:
                env[var] = value
        if lang == "de":
            subprocess.run(["setxkbmap", "de"], env=env, check=True)
        player = Player(run, env, lang)
        counts = play(player, seed)
        whole = player.spoken(0)
        for bad in (r"\bnotification\b", r"\bcolon\b", r"Doppelpunkt", r":", "\ufdd0", "\ufdd1"):
            if re.search(bad, whole):
                raise Failed(f"heard {bad!r} in: ...{whole[max(0, re.search(bad, whole).start() - 200):][:400]}")
        print(f"PASS: session {name}: {'keys' if name == 'laptop' else 'words'} per plain round {counts}")
        status = 0
    except (Failed, subprocess.SubprocessError, StopIteration) as failure:
        print(f"FAIL: session {name}: {failure!r}")
        for log in ("game.log", "orca.log"):
            path = os.path.join(run, log)
            if os.path.exists(path):
                print(f"---- {log}\n" + open(path, errors="replace").read()[-3000:])
        status = 1
    finally:
        subprocess.run([os.path.join(HERE, "run-orca.sh"), "stop"], env=env, capture_output=True, timeout=60)
    if status == 0:
        shutil.rmtree(run, ignore_errors=True)
    else:
        print(f"(run folder kept: {run})")
    return status, counts


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    game = os.path.abspath(sys.argv[1])
    missing = [t for t in ("Xvfb", "xdotool", "xdpyinfo", "xmodmap", "numlockx", "dbus-daemon", "dbus-send", "orca",
                           "speech-dispatcher", "openbox", "setxkbmap") if not shutil.which(t)]
    if missing:
        print("SKIP: missing " + " ".join(missing) + " (./build.sh test installs them)")
        return SKIP
    wanted = [w for w in os.environ.get("NUMORA_ORCA_SESSIONS", "").split(",") if w]
    status = 0
    for seed, name, lang, play in SESSIONS:
        if wanted and seed not in wanted and name not in wanted:
            continue
        result, _ = run_session(game, seed, name, lang, play)
        if result == SKIP:
            return SKIP
        status = status or result
    return status


if __name__ == "__main__":
    sys.exit(main())
