// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// A thousand matches in a row through the real window, played from the event
// loop as a person plays them: matches that think for several rounds, are lost,
// won, drawn, end in the inconsistent-answers message or are abandoned, with
// About and Help opened and closed between them. Every match must start at a
// stack depth seen before, and the heap in use must not grow once it has
// settled. A plain program rather than a QtTest one, because the test library
// keeps records of its own per shown window.

#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "mainwindow/form1.h"
#include "platform/colourbutton.h"
#include "platform/runtime.h"
#include "support/position.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <memory>
#include <set>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own allocator keeps the count (GCC ships the function, not its header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using numora::Step;

namespace {

// Bytes of heap in use, from whichever allocator the build runs on.
long long heapinuse()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
#endif
}

// Records where each number step begins on the stack. A match starts from one
// of a handful of call paths (the menu, YES, after the message, inside the
// computer's turn); nesting that grows would give each match a depth of its own.
class ProbeForm : public Form1
{
public:
    using Form1::Form1;
    void stepchanged(numora::Step step) override
    {
        if (step != numora::Step::number) {
            Form1::stepchanged(step);
            return;
        }
        depths.insert(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
        if (depths.size() > maxdepths) { // growing nesting may never return to the event loop
            std::printf("stack depths %zu: matches start ever deeper\n0 passed, 1 failed\n", depths.size());
            std::fflush(stdout);
            std::_Exit(1);
        }
        Form1::stepchanged(step);
    }
    static constexpr std::size_t maxdepths = 32;
    std::set<std::uintptr_t> depths;
};

// How a match is to end; `lost` answers truly until the computer names the number.
enum class Ending { abandoned, lost, closedthennew, won, draw, inconsistent, count };

// Plays one action per event-loop pass, the way a person would.
class Player : public QObject
{
public:
    Player(ProbeForm &window, numora::Module1 &game, int matches) : form(window), engine(game), total(matches) { }

    // The next action is due whether or not this one returns to the event loop.
    void act()
    {
        if (finished)
            return;
        QTimer::singleShot(0, this, [this] { act(); });
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++messages;
            box->button(QMessageBox::Ok)->click();
        } else {
            step();
        }
    }

    long long settledheap = 0;
    bool finished = false;
    int thinkingsteps = 0;
    std::map<std::string, int> dialogs; // outcome dialogs answered, by class
    int messages = 0;

private:
    // One action; false when the run is over.
    bool step()
    {
        if (engine.gameid() != match) {
            match = engine.gameid();
            if (!begin())
                return false;
        }
        switch (engine.step()) {
        case Step::none:
            return newmatch();
        case Step::number:
        case Step::numberafter:
            return guess();
        case Step::signs:
            return answer();
        case Step::outcome:
            return outcome();
        case Step::guessing:
        case Step::deciding:
        case Step::thinking:
            return true; // the computer's turn is on its way
        }
        return true;
    }

    // A match has begun, by "New", YES or after the message.
    bool begin()
    {
        if (played == total) {
            finished = true;
            QCoreApplication::quit();
            return false;
        }
        if (played == 200) // settled
            settledheap = heapinuse();
        ending = Ending(played % int(Ending::count));
        ++played;
        mine = played % 2 ? "5067" : "2589";
        if (played % 9 == 0) { // About and Help come and go
            form.about->trigger();
            form.help->trigger();
            if (form.aboutwindow)
                form.aboutwindow->cmdOK->click();
            if (form.helpwindow)
                form.helpwindow->close();
        }
        return true;
    }

    bool newmatch()
    {
        form.newgame->trigger();
        return true;
    }

    void type(const std::string &number)
    {
        for (char d : number)
            form.Command[d == '0' ? 10 : d - '0']->click();
        form.Command[12]->click();
    }

    bool guess()
    {
        // Right at the second guess (won) or the third (drawn), after the computer has thought.
        const bool right = (ending == Ending::won && engine.state().yourround == 1)
            || (ending == Ending::draw && engine.state().yourround == 2);
        if (right) {
            type(engine.state().mynumber);
            return true;
        }
        for (const char *n : {"1234", "5678", "9012", "3456", "7890", "1357", "2468", "9753", "8642", "1596"}) {
            bool tried = n == engine.state().mynumber;
            for (int r = 0; r < engine.state().yourround; ++r)
                tried = tried || engine.state().yourguesses[r] == n;
            if (!tried) {
                type(n);
                return true;
            }
        }
        type("9876");
        return true;
    }

    bool answer()
    {
        const numora::Row shown = engine.state().myguesses[engine.state().myround];
        int code = numora::countsigns(shown, numora::support::rowof(mine));
        if (engine.state().myround > 0)
            ++thinkingsteps;
        switch (ending) {
        case Ending::abandoned:
            if (engine.state().myround == 2)
                return newmatch();
            break;
        case Ending::closedthennew:
            if (engine.state().myround == 1)
                code = 40;
            break;
        case Ending::draw:
            if (engine.state().yousolved == numora::True)
                code = 40; // the computer's last chance names a number that fits: the player's
            break;
        case Ending::inconsistent:
            code = engine.state().myround == 0
                ? 30
                : numora::support::impossibleanswer(shown, numora::support::agreeing(engine, engine.state().myround))
                      .value_or(0);
            break;
        default:
            break;
        }
        form.Command[pad::pluscolumn[code / 10]]->click();
        form.Command[pad::minuscolumn[code % 10]]->click();
        form.Command[pad::confirmsigns]->click();
        return true;
    }

    bool outcome()
    {
        for (QPointer<dialogs::OutcomeDialog> dialog : {form.frmUwin, form.frmUlost, form.TSdraw}) {
            if (!dialog || !dialog->isVisible())
                continue;
            ++dialogs[dialog->metaObject()->className()];
            if (ending == Ending::closedthennew) {
                dialog->close();
                return newmatch();
            }
            dialog->Command1->click();
            return true;
        }
        return newmatch(); // a dialog closed earlier: only "New" goes on
    }

    ProbeForm &form;
    numora::Module1 &engine;
    const int total;
    int played = 0;
    std::uint64_t match = 0;
    Ending ending = Ending::abandoned;
    std::string mine; // the player's number, for truthful answers
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::setupapplication(app);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::uint32_t seed = 1;
    auto engine = std::make_unique<numora::Module1>();
    engine->setseeder([&] { return seed++; });
    platform::hooks().beep = [] {};
    platform::hooks().endprogram = [] {};
    ProbeForm form(*engine);

    const int matches = 1000;
    Player player(form, *engine, matches);
    QTimer::singleShot(0, &player, [&] { player.act(); });
    app.exec();

    const long long growth = heapinuse() - player.settledheap;
    std::printf("matches %d, guesses after thinking %d, inconsistent-answers messages %d, outcome dialogs:", matches,
        player.thinkingsteps, player.messages);
    for (const auto &[dialog, count] : player.dialogs)
        std::printf(" %s %d", dialog.c_str(), count);
    std::printf("\n");
    std::printf("stack depths %zu; heap in use after 200 matches %lld, at the end %lld bytes\n", form.depths.size(),
        player.settledheap, heapinuse());
    // Some slack for caches that settle late; a leak of 100 bytes per match
    // would show as 80,000.
    const bool ok = player.finished && growth <= 64 * 1024;
    std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    return ok ? 0 : 1;
}
