// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/autoplay.h"

#include "dialogs/outcomes.h"
#include "mainwindow/form1.h"
#include "platform/colourbutton.h"
#include "record/record.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace numora {

namespace {

void say(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

QString guesses(const std::vector<GameReport::Guess> &list)
{
    QStringList parts;
    for (const auto &g : list)
        parts << QStringLiteral("%1:%2,%3").arg(QString::fromStdString(g.number)).arg(g.plus).arg(g.minus);
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QLatin1Char('/'));
}

Row rowoftext(const std::string &text)
{
    Row row {};
    for (size_t i = 0; i < row.size(); ++i)
        row[i] = static_cast<int16>(text.at(i) - '0');
    return row;
}

// A player who keeps to the rules mostly: guesses a number that fits every
// score so far, answers truly, and now and then answers wrongly or leaves.
class Autoplayer : public QObject
{
public:
    Autoplayer(Form1 &form, Module1 &engine, int matches, std::uint32_t seed)
        : QObject(&form), form(form), engine(engine), matches(matches), rng(seed)
    {
        for (int a = 1; a <= 9; ++a)
            for (int b = 0; b <= 9; ++b)
                for (int c = 0; c <= 9; ++c)
                    for (int d = 0; d <= 9; ++d)
                        if (a != b && a != c && a != d && b != c && b != d && c != d)
                            table.push_back(Row {int16(a), int16(b), int16(c), int16(d)});
        auto *timer = new QTimer(this);
        timer->setInterval(0);
        connect(timer, &QTimer::timeout, this, &Autoplayer::tick);
        timer->start();
        // Boxes get a timer of their own: one that opens inside a move is
        // answered from the box's loop, where the move's timer never fires.
        auto *boxes = new QTimer(this);
        boxes->setInterval(5);
        connect(boxes, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                answerbox(box);
        });
        boxes->start();
    }

private:
    void tick()
    {
        if (QApplication::activeModalWidget() || busy)
            return;
        busy = true;
        act();
        busy = false;
    }

    void act()
    {
        if (engine.gamerunning() && engine.gameid() != game) { // a new match: a new secret
            game = engine.gameid();
            mine.clear();
            secretrow = table[std::uniform_int_distribution<size_t>(0, table.size() - 1)(rng)];
            secret = QString::fromStdString(numbertext(secretrow));
        }
        switch (engine.step()) {
        case Step::none:
            form.newgame->trigger();
            break;
        case Step::number:
        case Step::numberafter:
            if (!mine.empty() && chance(30)) { // left for a new one
                const auto left = mine;
                form.newgame->trigger();
                say(QStringLiteral("abandoned %1 %2").arg(secret, guesses(left)));
                if (endmatch())
                    form.exitgame_Click();
                break;
            }
            guess();
            break;
        case Step::signs:
            answer();
            break;
        case Step::outcome:
            for (const auto &[dialog, ending] : {std::pair {form.frmUwin.data(), "won"},
                     std::pair {form.frmUlost.data(), "lost"}, std::pair {form.TSdraw.data(), "draw"}})
                if (dialog && dialog->isVisible()) {
                    say(QStringLiteral("played %1 %2 %3").arg(QLatin1String(ending), secret, guesses(mine)));
                    if (endmatch())
                        form.exitgame_Click();
                    else
                        dialog->Command1->click();
                    return;
                }
            break;
        default: // the computer's turn, posted
            break;
        }
    }

    void answerbox(QMessageBox *box)
    {
        // The message of answers no number fits, while the match waits for it.
        const bool contradiction = box->icon() == QMessageBox::NoIcon && engine.step() == Step::outcome;
        say(QStringLiteral("message %1")
                .arg(QString(box->text() + QLatin1Char(' ') + box->informativeText())
                         .trimmed()
                         .replace(QLatin1Char('\n'), QStringLiteral(" | "))));
        if (contradiction) {
            say(QStringLiteral("played contradiction %1 %2").arg(secret, guesses(mine)));
            if (endmatch()) {
                form.exitgame_Click();
                return;
            }
        }
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    bool chance(int perthousand) { return std::uniform_int_distribution<int>(0, 999)(rng) < perthousand; }

    // True when the last match asked for is over.
    bool endmatch() { return matches > 0 && ++played >= matches; }

    void guess()
    {
        std::vector<const Row *> fitting;
        for (const Row &row : table) {
            bool fits = true;
            for (const auto &g : mine) {
                const int16 code = countsigns(row, rowoftext(g.number));
                fits = fits && code == g.plus * 10 + g.minus && numbertext(row) != g.number;
            }
            if (fits)
                fitting.push_back(&row);
        }
        const Row &pick = *fitting[std::uniform_int_distribution<size_t>(0, fitting.size() - 1)(rng)];
        for (int16 digit : pick)
            form.Command[pad::ofdigit(digit)]->click();
        form.Command[pad::confirmnumber]->click();
        const MatchState &state = engine.state();
        const int r = state.yourround - 1;
        mine.push_back({state.yourguesses[r], state.yourplus[r], state.yourminus[r]});
    }

    void answer()
    {
        const MatchState &state = engine.state();
        const int16 code = countsigns(state.myguesses[state.myround], secretrow);
        int plus = code / 10, minus = code % 10;
        if (plus < 4 && chance(25)) { // a wrong answer that the pad takes
            do {
                plus = std::uniform_int_distribution<int>(0, 3)(rng);
                minus = std::uniform_int_distribution<int>(0, 4 - plus)(rng);
            } while ((plus == 3 && minus == 1) || plus * 10 + minus == code);
        }
        form.Command[pad::pluscolumn[plus]]->click();
        form.Command[pad::minuscolumn[minus]]->click();
        form.Command[pad::confirmsigns]->click();
    }

    Form1 &form;
    Module1 &engine;
    const int matches;
    int played = 0;
    std::uint64_t game = 0;
    std::mt19937 rng;
    std::vector<Row> table;
    Row secretrow {};
    QString secret;
    std::vector<GameReport::Guess> mine;
    bool busy = false;
};

} // namespace

void autoplaywhenasked(Form1 &form, Module1 &engine, record::Record &record)
{
    if (!qEnvironmentVariableIsSet("NUMORA_TEST_AUTOPLAY"))
        return;
    const int matches = qEnvironmentVariableIntValue("NUMORA_TEST_AUTOPLAY");
    bool given = false;
    std::uint32_t seed = qEnvironmentVariableIntValue("NUMORA_TEST_AUTOPLAY_SEED", &given);
    if (!given)
        seed = std::random_device()();
    say(QStringLiteral("autoplay seed %1").arg(seed));
    QObject::connect(&record, &record::Record::recorded, &form, [](qint64 id, const GameReport &r) {
        say(QStringLiteral("recorded %1 %2 %3 %4 %5 %6 %7")
                .arg(id)
                .arg(record::endingname(r.ending))
                .arg(r.rounds)
                .arg(QString::fromStdString(r.mynumber))
                .arg(r.yournumber.empty() ? QStringLiteral("-") : QString::fromStdString(r.yournumber))
                .arg(guesses(r.yourguesses))
                .arg(guesses(r.myguesses)));
    });
    new Autoplayer(form, engine, matches, seed);
}

} // namespace numora
