// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// A thousand matches in a row through the real window, finished and abandoned
// mixed: every match must start at the same stack depth, and the heap must not
// grow once it has settled. A plain program rather than a QtTest one, because
// the test library keeps records of its own per shown window.

#include "dialogs/outcomes.h"
#include "heapcount.h"
#include "mainwindow/form1.h"
#include "platform/colourbutton.h"
#include "platform/runtime.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

// Records where each number step begins on the stack: a match started from the
// menu, from a dialog's YES or after the inconsistent-answers message each has
// its own call path, and none of them may get deeper as matches go by.
class ProbeForm : public Form1
{
public:
    using Form1::Form1;
    void wait2() override
    {
        (later ? depthslater : depths).insert(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
        Form1::wait2();
    }
    bool later = false;
    std::set<std::uintptr_t> depths, depthslater;
};

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::setupapplication(app);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::uint32_t seed = 1;
    numora::Module1 engine;
    engine.setseeder([&] { return seed++; });
    platform::hooks().beep = [] {};
    platform::hooks().messagebox = [](const QString &) {};
    platform::hooks().endprogram = [] {};
    ProbeForm form(engine);

    auto click = [&](int n) {
        form.Command[n]->click();
        settle();
    };
    auto guess = [&](const char *digits) {
        for (const char *d = digits; *d; ++d)
            click(*d == '0' ? 10 : *d - '0');
        click(12);
    };

    long settled = 0;
    const int matches = 1000;
    for (int match = 0; match < matches; ++match) {
        if (match == 200) {
            settled = liveblocks;
            form.later = true;
        }
        form.newgame_Click();
        guess(engine.mynumber == "1234" ? "5678" : "1234");
        switch (match % 5) {
        case 0: // abandoned in the sign step
            break;
        case 1: // lost by four plus, answered YES
            click(20), click(21), click(23);
            if (form.frmUlost)
                form.frmUlost->Command1_Click();
            break;
        case 2: // lost, the dialog closed without an answer
            click(20), click(21), click(23);
            if (form.frmUlost)
                form.frmUlost->close();
            break;
        case 3: // a few rounds of answers, abandoned while waiting for a guess
            for (int round = 0; round < 3 && form.step() == Form1::Step::signs; ++round) {
                click(22), click(21), click(23);
                guess(round % 2 ? "9012" : "3456");
            }
            break;
        case 4: // won at once
            form.newgame_Click();
            guess(engine.mynumber.c_str());
            click(13), click(21), click(23);
            if (form.frmUwin)
                form.frmUwin->Command1_Click();
            break;
        }
        settle();
    }
    const long growth = liveblocks - settled;
    const bool samedepths
        = std::includes(form.depths.begin(), form.depths.end(), form.depthslater.begin(), form.depthslater.end());
    std::printf("matches %d, stack depths first %zu, later %zu, all seen before: %s; heap blocks %ld -> %ld\n", matches,
        form.depths.size(), form.depthslater.size(), samedepths ? "yes" : "no", settled, long(liveblocks));
    // A few blocks of slack for containers that settle late; one block lost
    // per match would show as 800.
    const bool ok = samedepths && growth <= 16;
    std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    return ok ? 0 : 1;
}
