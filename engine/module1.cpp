// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/module1.h"

#include "engine/doublerounding.h"
#include "engine/fastsplits.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace numora {

namespace {

std::uint32_t clockseed()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks) ^ static_cast<std::uint32_t>(ticks >> 32);
}

} // namespace

int16 countsigns(const Row &a, const Row &b)
{
    int code = 0;
    for (int d = 0; d < 4; ++d)
        if (a[d] == b[d])
            code += 10;
    for (int d = 0; d < 4; ++d)
        for (int e = 0; e < 4; ++e)
            if (e != d && a[d] == b[e]) {
                code += 1;
                break;
            }
    return static_cast<int16>(code);
}

std::string numbertext(const Row &row)
{
    const int value = ((row[0] * 10 + row[1]) * 10 + row[2]) * 10 + row[3];
    return std::to_string(value);
}

namespace {

// The row of `text` when it is one of the table's numbers.
std::optional<Row> tablerow(const std::string &text)
{
    if (text.size() != 4 || text[0] == '0')
        return std::nullopt;
    Row row {};
    for (int d = 0; d < 4; ++d) {
        if (text[d] < '0' || text[d] > '9' || text.find(text[d]) != std::size_t(d))
            return std::nullopt;
        row[d] = static_cast<int16>(text[d] - '0');
    }
    return row;
}

} // namespace

Module1::Module1() : fast(std::make_unique<FastSplits>()), seeder(clockseed) { }

Module1::~Module1() = default;

void Module1::setseeder(std::function<std::uint32_t()> source)
{
    seeder = source ? std::move(source) : std::function<std::uint32_t()>(clockseed);
}

void Module1::makecandidates()
{
    int count = 0;
    for (int16 a = 1; a <= 9; ++a)
        for (int16 b = 0; b <= 9; ++b)
            for (int16 c = 0; c <= 9; ++c)
                for (int16 d = 0; d <= 9; ++d)
                    if (a != b && a != c && a != d && b != c && b != d && c != d)
                        candidates[count++] = Row {a, b, c, d};
}

void Module1::makesigncodes()
{
    int count = 0;
    for (int plus = 0; plus <= 3; ++plus)
        for (int minus = 0; minus <= 4 - plus; ++minus)
            if (count < codecount)
                signcodes[count++] = static_cast<int16>(plus * 10 + minus);
}

void Module1::removeguess(int row)
{
    candidates[row] = candidates[lastremaining()];
}

void Module1::takeguess(int row)
{
    myguesses[myround] = candidates[row];
    removeguess(row);
}

void Module1::playround(int row, int16 code)
{
    takeguess(row);
    mysigns[myround] = code;
    ++myround;
    yourround = static_cast<int16>(myround + 1); // the player guesses first
}

void Module1::setstep(Step step)
{
    waiting = step;
    if (form)
        form->stepchanged(step);
}

int Module1::drawindex(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

void Module1::setstrategy(std::unique_ptr<Strategy> next)
{
    nextstrategy = std::move(next);
    strategychosen = true;
}

void Module1::abandongame()
{
    if (gamerunning() && yourround > 0) {
        // The answer to the guess on display is missing only in the sign step;
        // once thinking, myround already counts the last answer.
        const bool pending = waiting == Step::deciding || waiting == Step::numberafter;
        report(Ending::abandoned, myround + (pending ? 1 : 0), {});
    }
    ++currentgame;
    awaiteddialog.reset();
    setstep(Step::none);
}

void Module1::startgame()
{
    abandongame();
    if (strategychosen) {
        strategy = std::move(nextstrategy);
        strategychosen = false;
    }

    form->form_load();
    form->setstatus("");
    yousolved = False;
    myround = 0;
    yourround = 0;
    makecandidates();
    makesigncodes();
    rng.seed(seeder());
    mynumber = numbertext(candidates[drawindex(tablesize)]);
    bestcount = tablesize;

    setstep(Step::number);
}

Scored Module1::recordguess(const std::string &guess)
{
    if (!numberstep(waiting))
        return {Refusal::notwaiting};
    const std::optional<Row> row = tablerow(guess);
    if (!row)
        return {Refusal::notanumber};
    for (int r = 0; r < yourround; ++r)
        if (yourguesses[r] == guess)
            return {Refusal::triedbefore};
    const int code = countsigns(*row, *tablerow(mynumber));
    const auto plus = static_cast<int16>(code / 10), minus = static_cast<int16>(code % 10);
    yourguesses[yourround] = guess;
    yourplus[yourround] = plus;
    yourminus[yourround] = minus;
    ++yourround;
    yousolved = plus == 4 ? True : False;
    if (waiting == Step::numberafter) {
        ++myround; // the guess on display has been answered
        setstep(Step::thinking);
    } else {
        setstep(Step::guessing);
    }
    form->defer([this, game = currentgame] { resume(game); });
    return {Refusal::none, plus, minus};
}

Refusal Module1::answer(int16 plus, int16 minus)
{
    if (waiting != Step::signs)
        return Refusal::notwaiting;
    if (plus < 0 || minus < 0 || plus + minus > 4 || (plus == 3 && minus == 1))
        return Refusal::impossible;
    mysigns[myround] = static_cast<int16>(plus * 10 + minus);
    setstep(Step::deciding);
    form->defer([this, game = currentgame, plus] {
        if (live(game) && waiting == Step::deciding)
            decide(plus);
    });
    return Refusal::none;
}

void Module1::decide(int16 plus)
{
    if (plus == 4) {
        const std::string found = numbertext(myguesses[myround]);
        if (yousolved == True)
            gamedraw(myround + 1, found);
        else
            youlose(myround + 1, found);
        return;
    }
    if (yousolved == True) {
        ++myround; // the check covers the guess just answered
        findmatches();
        if (matchcount > 0) // otherwise the message has ended the game
            youwin();
        return;
    }
    setstep(Step::numberafter);
}

void Module1::resume(std::uint64_t game)
{
    if (!live(game))
        return;
    if (waiting == Step::guessing)
        makeguess();
    else if (waiting == Step::thinking)
        thinkingstep(game);
}

void Module1::thinkingstep(std::uint64_t game)
{
    form->setstatus(thinkingtext);
    form->processevents(); // so that the status is drawn before the work
    if (!live(game))
        return;
    think();
    if (!live(game))
        return;
    if (!strategy) {
        rateguesses();
        findbest();
    }
    form->processevents(); // input made while thinking is handled here
    if (!live(game))
        return;
    form->setstatus("");
    makeguess();
}

int Module1::chooseguess()
{
    if (yousolved == True && myround > 0) {
        // Last chance: any number that fits every answer so far.
        const Row guess = matches[drawindex(matchcount)];
        int row = 0;
        while (candidates[row] != guess)
            ++row;
        return row;
    }
    if (yousolved == True)
        return drawindex(tablesize);
    if (strategy)
        return strategy->choose(state(), [this](int n) { return drawindex(n); });
    if (myround == 0)
        return drawindex(bestcount); // the whole table
    return bestguesses[drawindex(bestcount)];
}

void Module1::makeguess()
{
    takeguess(chooseguess());
    form->beep();
    form->showguess(numbertext(myguesses[myround]));
    setstep(Step::signs);
}

void Module1::findmatches()
{
    matchcount = static_cast<int16>(
        fast->findmatches(candidates, lastremaining(), myguesses.data(), mysigns.data(), myround, matches));
    if (matchcount == 0)
        wrongsigns();
}

void Module1::think()
{
    findmatches();
    if (matchcount == 0)
        return; // the inconsistent-answers message has ended the match
    if (matchcount == 1) {
        form->setstatus("");
        form->showguess(numbertext(matches[0]));
        if (yousolved == True && myround == yourround - 1)
            gamedraw(myround, numbertext(matches[0]));
        else
            youlose(myround, numbertext(matches[0]));
        return;
    }
    if (strategy)
        return; // the splits and ratings are the engine's own rating's
    fast->countsplits(candidates, lastremaining(), matches, matchcount, myguesses.data(), myround, signcodes, splits);
}

void Module1::rateguesses()
{
    const DoubleRounding rounding;
    const double hitifmatch = 1.0 / matchcount;
    for (int i = 0; i <= lastremaining(); ++i) {
        auto &rated = ratings[i];
        // Equal split counts rate equally, to the last bit.
        const int same = fast->sharedwith(i);
        if (same >= 0 && same < i && splits[same] == splits[i]) {
            // Element by element: at -Os a copy of the whole array is a slow string move.
            for (std::size_t k = 0; k < rated.size(); ++k)
                rated[k] = ratings[same][k];
            continue;
        }
        double hit = 0.0, next = 0.0;
        int worst = 0, least = 4535;
        double sum = 0.0;
        int classes = 0, total = 0;
        for (int n = 0; n < codecount; ++n) {
            const int x = splits[i][n]; // a count, never negative
            worst = std::max(worst, x);
            if (x > 0) {
                least = std::min(least, x);
                sum = sum + fast->reciprocal(x);
                total += x;
                ++classes;
            }
        }
        if (total == matchcount) {
            next = sum / classes;
        } else {
            hit = hitifmatch;
            next = hit + (sum / classes) * (1.0 - hit);
        }
        rated[hitchance] = hit;
        rated[nextchance] = next;
        rated[worstsplit] = worst;
        rated[leastsplit] = least;
        rated[rating] = 1000.0 / worst + 100.0 * next + 10.0 * hit + fast->reciprocal(least);
    }
}

void Module1::findbest()
{
    double best = 0.0;
    for (int i = 0; i <= lastremaining(); ++i)
        if (ratings[i][rating] > best)
            best = ratings[i][rating];
    bestcount = 0;
    for (int i = 0; i <= lastremaining(); ++i)
        if (ratings[i][rating] == best)
            bestguesses[bestcount++] = static_cast<int16>(i);
}

void Module1::outcome(Outcome which, const std::string &caption)
{
    setstep(Step::outcome);
    awaiteddialog = which;
    form->showoutcome(which, caption);
    form->beep();
}

void Module1::report(Ending ending, int answered, const std::string &yournumber)
{
    if (!listener)
        return;
    GameReport game;
    game.ending = ending;
    game.strength = strength();
    game.rounds = yourround;
    game.mynumber = mynumber;
    game.yournumber = yournumber;
    for (int r = 0; r < yourround; ++r)
        game.yourguesses.push_back({yourguesses[r], yourplus[r], yourminus[r]});
    for (int r = 0; r < answered; ++r)
        game.myguesses.push_back(
            {numbertext(myguesses[r]), static_cast<int16>(mysigns[r] / 10), static_cast<int16>(mysigns[r] % 10)});
    listener->gameended(game);
}

void Module1::youlose(int answered, const std::string &yournumber)
{
    report(Ending::lost, answered, yournumber);
    outcome(Outcome::lost, lostcaption + mynumber);
}
void Module1::youwin()
{
    report(Ending::won, myround, {});
    outcome(Outcome::won, {});
}
void Module1::gamedraw(int answered, const std::string &yournumber)
{
    report(Ending::draw, answered, yournumber);
    outcome(Outcome::draw, {});
}

void Module1::wrongsigns()
{
    report(Ending::contradiction, myround, {});
    const std::uint64_t game = currentgame;
    awaiteddialog.reset();
    setstep(Step::outcome);
    form->showmessage(wrongsignstext);
    if (game == currentgame)
        startgame();
}

void Module1::dialogyes(Outcome dialog)
{
    if (waiting == Step::outcome && awaiteddialog == dialog)
        startgame();
}

} // namespace numora
