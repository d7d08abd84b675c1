#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plants deliberate faults in a copy of the tree, one at a time, and runs the
whole test suite against each: every fault must make some test fail.

    tools/mutants.py [--work DIR] [--only NAME ...] [--list]

A developer's tool, not run by CI: a run rebuilds the tree once per fault and
takes a quarter of an hour or so on two cores. It prints, for every fault, the
tests that caught it, or SURVIVED; the exit status is 1 when one survived.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

# name, file, the text to change (must occur exactly once), what it becomes
MUTANTS = [
    ("confirm signs before the guess is shown",
     "engine/module1.cpp",
     "    if (waiting != Step::signs)\n        return Refusal::notwaiting;\n    if (plus < 0",
     "    if (plus < 0"),
    ("beep after the guess is shown",
     "engine/module1.cpp",
     "    form->beep();\n    form->showguess(numbertext(myguesses[myround]));",
     "    form->showguess(numbertext(myguesses[myround]));\n    form->beep();"),
    ("outcome dialog shown after the beep",
     "engine/module1.cpp",
     "    form->showoutcome(which, caption);\n    form->beep();",
     "    form->beep();\n    form->showoutcome(which, caption);"),
    ("clock seed made constant",
     "engine/module1.cpp",
     "    return static_cast<std::uint32_t>(ticks) ^ static_cast<std::uint32_t>(ticks >> 32);",
     "    return static_cast<std::uint32_t>(ticks - ticks) + 4536;"),
    ("rating's terms summed in another order",
     "engine/module1.cpp",
     "1000.0 / worst + 100.0 * next + 10.0 * hit + fast->reciprocal(least)",
     "fast->reciprocal(least) + 10.0 * hit + 100.0 * next + 1000.0 / worst"),
    ("a number with a digit twice taken as a guess",
     "engine/module1.cpp",
     "text.find(text[d]) != std::size_t(d)",
     "false"),
    ("new match leaves the history boxes",
     "mainwindow/form1.cpp",
     "    Picture1->cls();\n    Picture2->cls();\n",
     ""),
    ("every match starts deeper (the driver waits for its match to end)",
     "engine/module1.cpp",
     "    setstep(Step::number);\n}",
     "    setstep(Step::number);\n    const auto game = currentgame;\n"
     "    while (game == currentgame)\n        form->processevents();\n}"),
    ("duplicate guess accepted",
     "engine/module1.cpp",
     "        if (yourguesses[r] == guess)",
     "        if (yourguesses[r] == guess && false)"),
    ("stale step resumed after New (a new match keeps the old one's number)",
     "engine/module1.cpp",
     "    ++currentgame;\n    awaiteddialog.reset();\n    setstep(Step::none);",
     "    awaiteddialog.reset();\n    setstep(Step::none);"),
    ("no new match after the inconsistent-answers message",
     "engine/module1.cpp",
     "    form->showmessage(wrongsignstext);\n    if (game == currentgame)\n        startgame();",
     "    form->showmessage(wrongsignstext);\n    (void)game;"),
    ("about 2 kB of Qt data leaked per history line",
     "mainwindow/form1.cpp",
     "    box->print(QString(), true);\n}",
     "    box->print(QString(), true);\n    new QString(1024, QLatin1Char('x'));\n}"),
    ("a key pressed before the guess was shown, or just after, answers it",
     "mainwindow/form1.cpp",
     "keyboardInputInterval())\n            return true;",
     "keyboardInputInterval() && false)\n            return true;"),
    ("sign step shows stale selections",
     "mainwindow/form1.cpp",
     "    paintmeonly();\n    paintmeonly2();\n    keyplus = 0;",
     "    Command[21]->setbackcolor(colour::red);\n    Command[22]->setbackcolor(colour::red);\n    keyplus = 0;"),
    ("a right guess does not count as solved",
     "engine/module1.cpp",
     "    yousolved = plus == 4 ? True : False;",
     "    yousolved = plus == 5 ? True : False;"),
    ("reader: a history line added silently",
     "platform/accessibility.cpp",
     "    for (int row = kept; row < now.size(); ++row) {\n        QAccessibleEvent made",
     "    for (int row = now.size(); row < now.size(); ++row) {\n        QAccessibleEvent made"),
    ("reader: the computer's guess not announced",
     "mainwindow/form1.cpp",
     "        + QStringLiteral(\". \") + tr(\"I guess %1\").arg(Label8->text());",
     "        ;"),
    ("reader: a key without a time stamp judged by the window system's clock",
     "platform/keys.cpp",
     "    if (stamp == 0",
     "    if (false"),
    ("reader: a history row leaves without its line",
     "platform/accessibility.cpp",
     "            item->gone = was.value(int(items.size()), QStringLiteral(\"\"));",
     "            item->gone = QStringLiteral(\"\");"),
    ("reader: history lines read as raw signs",
     "mainwindow/form1.cpp",
     "    platform::readlinesas(Picture1, &Form1::spokenline);\n",
     ""),
    ("reader: the chosen plus not reported checked",
     "mainwindow/form1.cpp",
     "        button->setchosen(count == plus);",
     "        button->setchosen(count == 0);"),
    ("reader: typed digits not reported checked",
     "mainwindow/form1.cpp",
     "        Command[pad::ofdigit(digit)]->setchosen(text.contains(QString::number(digit)));",
     "        Command[pad::ofdigit(digit)]->setchosen(false);"),
    ("reader: disabled buttons read as enabled",
     "platform/accessibility.cpp",
     "        state.pressed = button()->isDown();",
     "        state.pressed = button()->isDown();\n        state.disabled = false;"),
    ("reader: a display reads without what it shows",
     "platform/display.cpp",
     "    return shown.isEmpty() ? text() : shown.arg(text());",
     "    return accessibleName();"),
    ("reader: a display changes silently",
     "platform/display.cpp",
     "    setText(now);\n    if (!QAccessible::isActive())",
     "    setText(now);\n    if (true)"),
    ("reader: no alert when a match ends",
     "dialogs/outcomes.cpp",
     "        QAccessible::updateAccessibility(&alert);",
     ""),
    ("reader: the draw dialog's lines out of reading order",
     "dialogs/outcomes.cpp",
     "    Label2 = message(tr(\" Play again?\"), platform::twips(0, 600, 1935, 375), this);\n"
     "    Label1 = message(tr(\" Not bad at all!\"), platform::twips(0, 120, 3495, 375), this);",
     "    Label1 = message(tr(\" Not bad at all!\"), platform::twips(0, 120, 3495, 375), this);\n"
     "    Label2 = message(tr(\" Play again?\"), platform::twips(0, 600, 1935, 375), this);"),
    ("reader: the number step after an answer begins off its confirm button",
     "mainwindow/form1.cpp",
     "    if (confirm) {\n        // Whose turn and which round",
     "    if (confirm == Command[pad::confirmsigns]) {\n        // Whose turn and which round"),
    ("the engine takes three plus and one minus",
     "engine/module1.cpp",
     "plus + minus > 4 || (plus == 3 && minus == 1)",
     "plus + minus > 4"),
    ("a pad stays enabled after its step",
     "mainwindow/form1.cpp",
     "    numberkeys = number;\n    signkeys = signs;",
     "    numberkeys = number;\n    signkeys = signs == True || signkeys == True ? True : False;"),
    ("the 0 button stays marked after a confirmed guess or CA",
     "mainwindow/form1.cpp",
     "    for (int n = 1; n <= 10; ++n)\n        Command[n]->setbackcolor(colour::lightblue);",
     "    for (int n = 1; n <= 9; ++n)\n        Command[n]->setbackcolor(colour::lightblue);"),
    ("the main keyboard's + - . , act as keypad keys",
     "platform/keys.cpp",
     "    if (!(event.modifiers() & Qt::KeypadModifier))\n        return key::other;",
     "    if (!(event.modifiers() & Qt::KeypadModifier) && k >= Qt::Key_0 && k <= Qt::Key_9)\n"
     "        return key::other;"),
    ("a position's answered guess leaves the table in place",
     "engine/module1.cpp",
     "    takeguess(row);\n    mysigns[myround] = code;",
     "    myguesses[myround] = candidates[row];\n    mysigns[myround] = code;"),
    ("About: the ground white instead of light cyan",
     "dialogs/about.cpp",
     "    setcolour(this, QPalette::Window, colour::lightcyan);",
     "    setcolour(this, QPalette::Window, colour::white);"),
    ("About and Help: opened below the middle of the screen",
     "dialogs/about.cpp",
     "    place.moveCenter(screen->availableGeometry().center());",
     "    place.moveCenter(screen->availableGeometry().center() + QPoint(0, 20));"),
    ("About: the window can be resized",
     "dialogs/about.cpp",
     "    setFixedSize(platform::pixels(3150), platform::pixels(2760));",
     "    resize(platform::pixels(3150), platform::pixels(2760));"),
    ("About: the author line a line lower",
     "dialogs/about.cpp",
     "twips(120, 705, 1845, 195)",
     "twips(120, 720, 1845, 195)"),
    ("About: the E-mail label in the window's sans-serif font",
     "dialogs/about.cpp",
     "Label1 = label(tr(\"E-mail\"), twips(2400, 705, 510, 195), serifbold,",
     "Label1 = label(tr(\"E-mail\"), twips(2400, 705, 510, 195), windowfont,"),
    ("Help: the page's box as tall as the window",
     "dialogs/about.cpp",
     "    Picture1->setGeometry(platform::twips(0, 0, 13515, 8175));",
     "    Picture1->setGeometry(platform::twips(0, 0, 13515, 8190));"),
    ("high density: the spinning top's double-size frames loaded only at scale 2 or more",
     "mainwindow/form1.cpp",
     "    const bool dense = qApp->devicePixelRatio() > 1;",
     "    const bool dense = qApp->devicePixelRatio() >= 2;"),
    ("secret drawn from 4535 rows, 9876 never",
     "engine/module1.cpp",
     "    mynumber = numbertext(candidates[drawindex(tablesize)]);",
     "    mynumber = numbertext(candidates[drawindex(tablesize - 1)]);"),
    ("secret drawn from rows 1 to 4535, 1023 never",
     "engine/module1.cpp",
     "    mynumber = numbertext(candidates[drawindex(tablesize)]);",
     "    mynumber = numbertext(candidates[1 + drawindex(tablesize - 1)]);"),
    ("speed: no family shares its split counts (same results, ten times slower)",
     "engine/fastsplits.cpp",
     "    if (relabelling.freecount < 2)\n        return false;",
     "    if (relabelling.freecount < 2 || true)\n        return false;"),
    ("German: JA and NEIN swapped",
     "translations/numora_de.ts",
     "<source>YES</source>\n        <translation>JA</translation>\n    </message>\n    <message>\n"
     "        <source>NO</source>\n        <translation>NEIN</translation>",
     "<source>YES</source>\n        <translation>NEIN</translation>\n    </message>\n    <message>\n"
     "        <source>NO</source>\n        <translation>JA</translation>"),
    ("Help: three plus said to find the number",
     "dialogs/helppage.cpp",
     "sign(QStringLiteral(\"+ + + +\"))",
     "sign(QStringLiteral(\"+ + +\"))"),
    ("language chosen before the application object exists",
     "app/main.cpp",
     "    QApplication app(argc, argv);\n"
     "    if (const auto status = numora::answercommandline(QCoreApplication::arguments()))\n"
     "        return *status;\n    platform::setupapplication(app);\n"
     "    platform::uselanguage(platform::preferredlanguages(), platform::translationsdir());\n",
     "    platform::uselanguage(platform::preferredlanguages(), platform::translationsdir());\n"
     "    QApplication app(argc, argv);\n"
     "    if (const auto status = numora::answercommandline(QCoreApplication::arguments()))\n"
     "        return *status;\n    platform::setupapplication(app);\n"),
    ("reader: the keypad left to the screen reader",
     "mainwindow/form1.cpp",
     "    new platform::KeypadPassage(this); // the keypad past a screen reader\n",
     ""),
    # Faults in the record, the desktops, the pictures and the engine's report.
    ("record: a lost match keeps the winning streak going",
     "record/record.cpp",
     "LIMIT 1), 0) ELSE 0 END)",
     "LIMIT 1), 0) ELSE coalesce((SELECT streak FROM matches ORDER BY id DESC LIMIT 1), 0) END)"),
    ("record: fewest rounds to win is the most",
     "record/record.cpp",
     "GROUP BY rounds\"\n                                 \" ORDER BY rounds\"",
     "GROUP BY rounds\"\n                                 \" ORDER BY rounds DESC\""),
    ("record: abandoned matches left out of those played",
     "record/record.cpp",
     "        s.played += count;",
     "        s.played += ending == QLatin1String(\"abandoned\") ? 0 : count;"),
    ("record: cannot-save told after every match",
     "record/record.cpp",
     "    toldcannotsave = true;\n",
     ""),
    ("record: a match that could not be written is dropped",
     "record/record.cpp",
     "    if (!writepending())\n        tellcannotsave();",
     "    if (!writepending()) {\n        pending.clear();\n        tellcannotsave();\n    }"),
    ("record: the first matches shown instead of the last",
     "record/record.cpp",
     "\" FROM matches ORDER BY id DESC LIMIT ?\"",
     "\" FROM matches ORDER BY id LIMIT ?\""),
    ("record: no wait for another process's write",
     "record/record.cpp",
     "QStringLiteral(\"QSQLITE_BUSY_TIMEOUT=%1\").arg(busymilliseconds)",
     "QStringLiteral(\"QSQLITE_BUSY_TIMEOUT=%1\").arg(0)"),
    ("record: a database of this version taken for a newer one",
     "record/record.cpp",
     "        if (version > schemaversion) {",
     "        if (version >= schemaversion) {"),
    ("statistics: the chart's text gives rounds and wins the wrong way round",
     "dialogs/statistics.cpp",
     "arg(QLocale().toString(rounds), QLocale().toString(count))",
     "arg(QLocale().toString(count), QLocale().toString(rounds))"),
    ("statistics: the win rate leaves abandoned matches out",
     "dialogs/statistics.cpp",
     "100.0 * double(s.won) / double(s.played)",
     "100.0 * double(s.won) / double(s.played - s.abandoned)"),
    ("statistics: an open window not refreshed after a match",
     "dialogs/statistics.cpp",
     "    connect(&record, &record::Record::changed, this, &frmStatistics::refresh);\n",
     ""),
    ("engine: a match left before the first guess recorded as abandoned",
     "engine/module1.cpp",
     "    if (gamerunning() && yourround > 0) {",
     "    if (gamerunning() && yourround >= 0) {"),
    ("engine: the computer's last guess left out of a lost match's report",
     "engine/module1.cpp",
     "            youlose(myround + 1, found);",
     "            youlose(myround, found);"),
    ("engine: the computer's answers reported as minus and plus",
     "engine/module1.cpp",
     "static_cast<int16>(mysigns[r] / 10), static_cast<int16>(mysigns[r] % 10)",
     "static_cast<int16>(mysigns[r] % 10), static_cast<int16>(mysigns[r] / 10)"),
    ("pictures: straight colour truncated instead of rounded",
     "art/straightalpha.h",
     "    return (2 * 255 * value + alpha) / (2 * alpha);",
     "    return 255 * value / alpha;"),
    ("lost dialog: the number painted from the left of its line",
     "dialogs/outcomes.cpp",
     "QStyle::alignedRect(Qt::LeftToRight, Qt::AlignRight | Qt::AlignTop,",
     "QStyle::alignedRect(Qt::LeftToRight, Qt::AlignLeft | Qt::AlignTop,"),
    ("lost dialog: the number's first digit lost",
     "mainwindow/form1.cpp",
     "caption.substr(std::string_view(lost).size())",
     "caption.substr(std::string_view(lost).size() + 1)"),
    ("desktop: no room for the vertical scroll bar on a short screen",
     "mainwindow/form1.cpp",
     "        if (size.height() > room.height())\n            size.rwidth() += bar;\n",
     ""),
    ("desktop: the window placed by its client area, not its frame",
     "platform/desktop.cpp",
     "    if (handle && !handle->frameMargins().isNull() && QGuiApplication::platformName() == QLatin1String(\"xcb\"))",
     "    if (false)"),
    ("desktop: the window never placed again once the window manager frames it",
     "platform/desktop.cpp",
     "    if (!handle || !handle->frameMargins().isNull())\n        return;\n    new FrameWatch",
     "    return;\n    new FrameWatch"),
    ("desktop: the draw dialog not marked as the main window's",
     "mainwindow/form1.cpp",
     "            platform::belongtoowner(slot);\n",
     ""),
    ("desktop: a focused control below the fold not scrolled into view",
     "mainwindow/form1.cpp",
     "            scroller->ensureWidgetVisible(now, 0, 0);",
     "            (void)now;"),
    ("desktop entry: a path with a blank left unquoted",
     "resources/desktopentry.cmake",
     "if(exec MATCHES \"[^A-Za-z0-9/._+,=@:-]\")",
     "if(exec MATCHES \"[^A-Za-z0-9/._+,=@: -]\")"),
    # Faults in what a screen reader hears and in the strengths.
    ("reader: Page Up first says there is no earlier line",
     "mainwindow/form1.cpp",
     "    const int at = (historyat < 0 ? int(lines.size()) : historyat) + step;",
     "    const int at = (historyat < 0 ? -1 : historyat) + step;"),
    ("reader: 3 plus and 0 minus said to be impossible",
     "mainwindow/form1.cpp",
     "    else if (plus == 3 && minus == 1)",
     "    else if (plus == 3 && minus <= 1)"),
    ("reader: a history line's counts said the wrong way round",
     "mainwindow/form1.cpp",
     "tr(\"%n plus\", nullptr, plus), tr(\"%n minus\", nullptr, minus));",
     "tr(\"%n plus\", nullptr, minus), tr(\"%n minus\", nullptr, plus));"),
    ("reader: a loss by a guess does not say the number found",
     "mainwindow/form1.cpp",
     "mine.last().count(QLatin1Char('+')) == 4)",
     "mine.last().count(QLatin1Char('+')) == 5)"),
    ("reader: R says nothing",
     "mainwindow/form1.cpp",
     "        tell(turnnews());\n        return true;",
     "        return true;"),
    ("strengths: Easy keeps three answers in mind",
     "engine/strategies.cpp",
     "    static constexpr int remembered = 1;",
     "    static constexpr int remembered = 3;"),
    ("strengths: Expert may rename 0 to a first digit",
     "engine/strategies.cpp",
     "            std::swap(digits[d], digits[1 + draw(d)]);",
     "            std::swap(digits[d], digits[draw(d + 1)]);"),
    ("strengths: Expert takes 3 plus for 2 plus 2 minus in its tree",
     "engine/strategies.cpp",
     "    static constexpr int first[4] = {0, 5, 9, 12};",
     "    static constexpr int first[4] = {0, 5, 9, 11};"),
    ("strengths: a choice during a match not told to a reader",
     "mainwindow/form1.cpp",
     "    if (engine.gamerunning()) {\n        platform::announce(Label6,",
     "    if (false) {\n        platform::announce(Label6,"),
    ("strengths: before the first match the title shows Normal",
     "mainwindow/form1.cpp",
     "engine.gameid() == 0 ? chosen : engine.strength();",
     "engine.strength();"),
]


def run(command, cwd, timeout=None):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          timeout=timeout)


def build(build_dir):
    return run(["cmake", "--build", build_dir, "-j2"], cwd=build_dir).returncode == 0


def failing_tests(build_dir, first=False):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    result = subprocess.run(["ctest", "-j2"] + (["--stop-on-failure"] if first else []), cwd=build_dir, env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    # A skipped test (another Orca, no display) neither catches nor misses.
    return re.findall(r"^\s*\d+ - (\S+) \((?!Skipped)", result.stdout, re.M)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--work", default="/tmp/numora-mutants", help="where the copy and its build go")
    parser.add_argument("--only", nargs="*", help="run only the mutants whose names contain these words")
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    parser.add_argument("--first", action="store_true", help="stop each run at the first test that fails")
    args = parser.parse_args()

    mutants = [m for m in MUTANTS if not args.only or any(w in m[0] for w in args.only)]
    if args.list:
        for name, path, _, _ in mutants:
            print(f"{name}  ({path})")
        return 0

    top = run(["git", "rev-parse", "--show-toplevel"], cwd=os.path.dirname(os.path.abspath(__file__))).stdout.strip()
    source = os.path.join(args.work, "src")
    build_dir = os.path.join(args.work, "build")
    shutil.rmtree(source, ignore_errors=True)
    shutil.rmtree(build_dir, ignore_errors=True)  # no object of an earlier run's faults survives
    for path in run(["git", "ls-files"], cwd=top).stdout.split("\n"):
        if path and os.path.isfile(os.path.join(top, path)):
            os.makedirs(os.path.dirname(os.path.join(source, path)), exist_ok=True)
            shutil.copy(os.path.join(top, path), os.path.join(source, path))
    os.makedirs(build_dir, exist_ok=True)
    configure = ["cmake", "-S", source, "-B", build_dir, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DNUMORA_ART=ON",
                 "-DNUMORA_TEST_TIMEOUT=120"]  # a fault that hangs a test fails it in two minutes
    if run(configure, cwd=args.work).returncode:
        sys.exit("configuring the copy failed")
    print("building the copy and running the suite once unchanged ...", flush=True)
    if not build(build_dir):
        sys.exit("the unchanged copy does not build")
    failing = failing_tests(build_dir)
    if failing:
        sys.exit("the unchanged copy fails: " + ", ".join(failing))

    survived = 0
    for name, path, before, after in mutants:
        file = os.path.join(source, path)
        with open(file) as f:
            original = f.read()
        if original.count(before) != 1:
            print(f"{name}: DOES NOT APPLY to {path}", flush=True)
            survived += 1
            continue
        started = time.time()
        with open(file, "w") as f:
            f.write(original.replace(before, after))
        try:
            if not build(build_dir):
                verdict = "caught by the compiler"
            else:
                caught = failing_tests(build_dir, args.first)
                verdict = "caught by " + ", ".join(caught) if caught else "SURVIVED"
                survived += not caught
        finally:
            with open(file, "w") as f:
                f.write(original)
        print(f"{name}: {verdict}  ({time.time() - started:.0f} s)", flush=True)
    build(build_dir)
    print(f"{len(mutants) - survived} of {len(mutants)} mutants caught")
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main())
