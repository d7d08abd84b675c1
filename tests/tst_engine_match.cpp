// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole matches through the engine with a recording window: every outcome,
// what the window is told and in which order, abandoned matches and stale dialogs.

#include "fakewindow.h"

#include <QtTest>

#include <map>
#include <memory>
#include <set>

using namespace numora;
using numora::support::agreeing;
using numora::support::impossibleanswer;
using numora::testing::FakeWindow;
using numora::testing::rowof;
using Log = std::vector<std::string>;

namespace {

// A wrong guess for the player: any number that is not the computer's secret
// and not tried yet.
std::string wrongguess(const Module1 &m)
{
    static const char *pool[] = {"1234", "5678", "9012", "3456", "7890", "1357", "2468", "9753", "8642", "1596", "3574",
        "7412", "8523", "9630", "4061", "5172"};
    for (const char *candidate : pool) {
        bool tried = candidate == m.state().mynumber;
        for (int r = 0; r < m.state().yourround; ++r)
            tried = tried || m.state().yourguesses[r] == candidate;
        if (!tried)
            return candidate;
    }
    return "9876" == m.state().mynumber ? "9875" : "9876";
}

} // namespace

class EngineMatch : public QObject
{
    Q_OBJECT
    std::unique_ptr<Module1> m;
    std::unique_ptr<FakeWindow> w;
    std::uint32_t seed = 1;

    // Plays a fresh match to its outcome: truthful answers for the player's
    // `secret`, a wrong first guess, and later guesses from `next` (wrong ones
    // unless told otherwise). False when a step the match owed was not open.
    bool playout(const std::string &secret, const std::function<std::string()> &next = {})
    {
        m->startgame();
        w->outcome.reset();
        if (!w->confirmnumber(wrongguess(*m)))
            return false;
        while (!w->outcome) {
            if (!w->answertruly(secret))
                return false;
            if (!w->outcome && !w->confirmnumber(next ? next() : wrongguess(*m)))
                return false;
        }
        return true;
    }

private slots:
    void init()
    {
        seed = 1;
        m = std::make_unique<Module1>();
        w = std::make_unique<FakeWindow>(*m);
        m->setseeder([this] { return seed++; });
    }
    void cleanup()
    {
        w.reset();
        m.reset();
    }

    void beforeTheFirstMatchNothingRuns()
    {
        QVERIFY(!m->gamerunning());
        QVERIFY(!w->confirmnumber("1234"));
        QVERIFY(m->state().mynumber.empty());
    }

    // The computer's first guess comes only after the player's first guess.
    void roundOrder()
    {
        m->startgame();
        QCOMPARE(m->step(), Step::number);
        QVERIFY(w->guess.empty());
        QVERIFY(!w->confirmsigns(0, 0)); // nothing to answer yet
        QVERIFY(w->confirmnumber(wrongguess(*m)));
        QCOMPARE(m->step(), Step::signs);
        QCOMPARE(int(m->state().myround), 0);
        QVERIFY(!w->confirmnumber("9876")); // the answer comes first
        QVERIFY(w->confirmsigns(0, 0));
        QCOMPARE(m->step(), Step::numberafter);
        QCOMPARE(int(m->state().myround), 0); // advances once the player's next guess is in
        QVERIFY(w->confirmnumber(wrongguess(*m)));
        QCOMPARE(int(m->state().myround), 1);
        QCOMPARE(int(m->state().yourround), 2);
    }

    // What the window is told, in order: the window is locked while it is
    // reset; the computer's guess is beeped, then shown, then the sign step
    // begins; "Thinking..." is drawn before the work and cleared after it; an
    // outcome's dialog opens before its beep. Each change of step is told once.
    void windowHearsTheMatchInOrder()
    {
        m->startgame();
        QCOMPARE(w->log, (Log {"step none", "form_load", "status ", "step number"}));
        w->log.clear();
        w->confirmnumber(wrongguess(*m));
        QCOMPARE(w->log, (Log {"step guessing", "beep", "guess " + w->guess, "step signs"}));
        w->log.clear();
        w->confirmsigns(0, 0);
        QCOMPARE(w->log, (Log {"step deciding", "step numberafter"}));
        w->log.clear();
        w->confirmnumber(wrongguess(*m));
        QCOMPARE(w->log,
            (Log {"step thinking", "status Thinking...", "events", "events", "status ", "beep", "guess " + w->guess,
                "step signs"}));
        w->log.clear();
        w->confirmsigns(4, 0);
        QCOMPARE(w->log, (Log {"step deciding", "report lost", "step outcome", "outcome lost", "beep"}));
    }

    void lossByFourPlus()
    {
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        QVERIFY(w->confirmsigns(4, 0));
        QCOMPARE(w->outcome, std::optional(Outcome::lost));
        QCOMPARE(w->caption, std::string(" You have lost! My number was : ") + m->state().mynumber);
        QCOMPARE(m->step(), Step::outcome);
        QCOMPARE(w->beeps, 2); // the guess, then the dialog
    }

    // Truthful answers end in a loss, either by four plus or by naming the
    // player's number without spending a guess on it.
    void lossByDeductionNamesTheNumber()
    {
        int deduced = 0, foundbyguess = 0;
        for (const std::string secret : {"5067", "1234", "9876", "2589", "4102", "7315", "6048", "3952"}) {
            for (int run = 0; run < 6; ++run) {
                QVERIFY(playout(secret));
                QCOMPARE(w->outcome, std::optional(Outcome::lost));
                if (w->history.back() == secret + ":40") {
                    ++foundbyguess;
                } else {
                    ++deduced;
                    QCOMPARE(w->guess, secret); // named in the guess display
                    QCOMPARE(int(m->state().matchcount), 1);
                }
                QCOMPARE(w->status, std::string());
            }
        }
        QVERIFY(deduced > 0);
        QVERIFY(foundbyguess > 0);
    }

    void winAfterTheConsistencyCheck()
    {
        m->startgame();
        w->confirmnumber(m->state().mynumber);
        QCOMPARE(int(m->state().yousolved), int(True));
        const std::string guess = w->guess;
        QVERIFY(w->answertruly(guess == "1234" ? "5678" : "1234"));
        QCOMPARE(w->outcome, std::optional(Outcome::won));
        QCOMPARE(int(m->state().myround), 1); // the answer just given was checked
        QVERIFY(m->state().matchcount > 0);
    }

    void drawByFourPlusInTheSameRound()
    {
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        w->answertruly("5678");
        w->confirmnumber(m->state().mynumber);
        QVERIFY(w->confirmsigns(4, 0));
        QCOMPARE(w->outcome, std::optional(Outcome::draw));
    }

    // The player's right guess k+1 against a number the computer can name
    // after k answers: a draw without a further computer guess.
    void drawByDeduction()
    {
        int draws = 0;
        for (const std::string secret : {"5067", "2589", "4102", "7315", "6048", "3952", "8174", "1930"}) {
            bool known = false;
            QVERIFY(playout(secret, [&] {
                known = agreeing(*m, m->state().myround + 1).size() == 1;
                return known ? m->state().mynumber : wrongguess(*m);
            }));
            if (known) {
                QCOMPARE(w->outcome, std::optional(Outcome::draw));
                QCOMPARE(w->guess, secret);
                ++draws;
            }
        }
        QVERIFY(draws > 0);
    }

    void inconsistentAnswersInTheThinkingStep()
    {
        m->startgame();
        const std::uint64_t first = m->gameid();
        w->confirmnumber(wrongguess(*m));
        QVERIFY(w->confirmsigns(3, 0)); // few numbers fit: some answer to the next guess cannot
        QVERIFY(w->confirmnumber(wrongguess(*m)));
        const auto answer = impossibleanswer(m->state().myguesses[1], agreeing(*m, 1));
        QVERIFY(answer);
        QVERIFY(w->confirmsigns(*answer / 10, *answer % 10));
        QVERIFY(w->messages.empty());
        QVERIFY(w->confirmnumber(wrongguess(*m)));
        QCOMPARE(w->messages, std::vector<std::string> {wrongsignstext});
        QCOMPARE(w->outcomes, 0);
        // After OK the next match has begun.
        QVERIFY(m->gameid() != first);
        QVERIFY(m->gamerunning());
        QCOMPARE(int(m->state().myround), 0);
        QCOMPARE(m->step(), Step::number);
        QCOMPARE(w->loads, 2);
    }

    void inconsistentAnswersInsteadOfAWin()
    {
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        QVERIFY(w->confirmsigns(3, 0));
        QVERIFY(w->confirmnumber(m->state().mynumber)); // right: the computer's last chance
        const auto answer = impossibleanswer(m->state().myguesses[1], agreeing(*m, 1));
        QVERIFY(answer);
        QVERIFY(w->confirmsigns(*answer / 10, *answer % 10));
        QCOMPARE(w->messages.size(), size_t(1));
        QCOMPARE(w->outcomes, 0); // no win on inconsistent answers
        QCOMPARE(w->loads, 2);
    }

    void newMatchDuringTheSignStep()
    {
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        QCOMPARE(m->step(), Step::signs);
        m->startgame();
        QCOMPARE(int(m->state().myround), 0);
        QCOMPARE(int(m->state().yourround), 0);
        QVERIFY(w->guess.empty());
        QVERIFY(!w->confirmsigns(0, 0)); // the abandoned guess is never answered
        QCOMPARE(w->beeps, 1);
        QCOMPARE(m->step(), Step::number);
    }

    // The computer's turn waits in the event loop; "New" before it runs makes
    // it stale, and the new match gets exactly one turn of its own.
    void staleTurnNeverRuns()
    {
        m->startgame();
        QCOMPARE(m->recordguess(wrongguess(*m)).refusal, Refusal::none);
        m->startgame();
        QCOMPARE(m->recordguess(wrongguess(*m)).refusal, Refusal::none);
        QCOMPARE(int(w->deferred.size()), 2);
        w->runpending();
        QCOMPARE(w->beeps, 1);
        QCOMPARE(m->step(), Step::signs);
        QCOMPARE(int(m->state().myround), 0);
    }

    void newMatchWhileThinking_data()
    {
        QTest::addColumn<int>("pass");
        QTest::newRow("as the status is drawn") << 1;
        QTest::newRow("right after the computation") << 2;
    }
    void newMatchWhileThinking()
    {
        QFETCH(int, pass);
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        w->answertruly("5678");
        int passes = 0;
        std::function<void()> onpass = [&] {
            if (++passes == pass)
                m->startgame();
            else
                w->onprocessevents = onpass;
        };
        w->onprocessevents = onpass;
        const int beeps = w->beeps;
        w->confirmnumber(wrongguess(*m));
        QCOMPARE(passes, pass);
        QCOMPARE(w->beeps, beeps); // the abandoned match made no further guess
        QCOMPARE(int(m->state().myround), 0);
        QCOMPARE(m->step(), Step::number);
        QVERIFY(w->guess.empty());
        QCOMPARE(w->status, std::string());
    }

    void newMatchWhileAnOutcomeWaits()
    {
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        w->confirmsigns(4, 0);
        QCOMPARE(w->outcome, std::optional(Outcome::lost));
        m->startgame();
        QVERIFY(m->gamerunning());
        const int loads = w->loads;
        m->dialogyes(Outcome::lost); // the old dialog, answered late
        QCOMPARE(w->loads, loads);
        QVERIFY(m->gamerunning());
    }

    // A stale dialog's YES does not answer a newer outcome of another kind.
    void staleDialogOnlyCloses()
    {
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        w->confirmsigns(4, 0); // lost: that dialog stays open
        m->startgame();
        w->confirmnumber(m->state().mynumber);
        w->answertruly(w->guess == "1234" ? "5678" : "1234");
        QCOMPARE(w->outcome, std::optional(Outcome::won));
        const int loads = w->loads;
        m->dialogyes(Outcome::lost);
        QCOMPARE(w->loads, loads);
        QVERIFY(!m->gamerunning());
        m->dialogyes(Outcome::won);
        QCOMPARE(w->loads, loads + 1);
        QVERIFY(m->gamerunning());
    }

    // Closing a dialog answers nothing: the engine keeps waiting, "New" still works.
    void closedDialogLeavesTheEngineWaiting()
    {
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        w->confirmsigns(4, 0);
        const int loads = w->loads;
        QVERIFY(!m->gamerunning());
        QVERIFY(!w->confirmnumber("1234"));
        QCOMPARE(w->loads, loads);
        m->startgame();
        QVERIFY(m->gamerunning());
    }

    void yesStartsTheNextMatch()
    {
        m->startgame();
        w->confirmnumber(wrongguess(*m));
        w->confirmsigns(4, 0);
        m->dialogyes(Outcome::lost);
        QCOMPARE(w->loads, 2);
        QVERIFY(m->gamerunning());
        QCOMPARE(int(m->state().myround), 0);
        QVERIFY(w->history.empty());
    }

    // No guess is ever repeated within a match, however long it runs.
    void guessesNeverRepeat()
    {
        for (const std::string secret : {"5067", "1234", "9876", "2589", "4102"}) {
            QVERIFY(playout(secret));
            std::set<Row> guesses(m->state().myguesses.begin(), m->state().myguesses.begin() + m->state().myround + 1);
            QCOMPARE(int(guesses.size()), m->state().myround + 1);
        }
    }

    // Every game that ends is told to the record once, before its dialog or
    // message opens, with what both sides guessed; a game left after a guess
    // is told as abandoned, one left before any guess not at all.
    void everyEndIsReportedOnce_data()
    {
        QTest::addColumn<QString>("play");
        QTest::addColumn<int>("ending"); // -1: no report
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("answered");
        QTest::addColumn<bool>("found"); // the computer found the player's number
        QTest::newRow("lost by four plus") << "guess 40" << int(Ending::lost) << 1 << 1 << true;
        QTest::newRow("lost by naming") << "truly" << int(Ending::lost) << -1 << -1 << true;
        QTest::newRow("won") << "right 30" << int(Ending::won) << 1 << 1 << false;
        QTest::newRow("draw") << "guess 00 right 40" << int(Ending::draw) << 2 << 2 << true;
        QTest::newRow("contradiction") << "guess 30 guess impossible guess" << int(Ending::contradiction) << 3 << 2
                                       << false;
        QTest::newRow("abandoned at the signs") << "guess new" << int(Ending::abandoned) << 1 << 0 << false;
        QTest::newRow("abandoned after the answer") << "guess 00 exit" << int(Ending::abandoned) << 1 << 1 << false;
        QTest::newRow("left before a guess") << "new exit" << -1 << 0 << 0 << false;
        QTest::newRow("new after the outcome") << "guess 40 new" << int(Ending::lost) << 1 << 1 << true;
    }
    void everyEndIsReportedOnce()
    {
        QFETCH(QString, play);
        QFETCH(int, ending);
        QFETCH(int, rounds);
        QFETCH(int, answered);
        QFETCH(bool, found);
        const std::string secret = "5067";
        m->startgame();
        std::string mynumber = m->state().mynumber;
        std::vector<std::string> yours;
        for (const QString &move : play.split(' ')) {
            const std::string guess = move == "right" ? mynumber : wrongguess(*m);
            if (move == "guess" || move == "right") {
                QVERIFY(w->confirmnumber(guess));
                yours.push_back(guess);
            } else if (move == "truly") {
                QVERIFY(playout(secret));
                mynumber = m->state().mynumber;
                yours.assign(m->state().yourguesses.begin(), m->state().yourguesses.begin() + m->state().yourround);
            } else if (move == "impossible") {
                const auto code = impossibleanswer(m->state().myguesses[1], agreeing(*m, 1));
                QVERIFY(code && w->confirmsigns(*code / 10, *code % 10));
            } else if (move == "new") {
                m->startgame();
            } else if (move == "exit") {
                m->abandongame();
            } else {
                QVERIFY(w->confirmsigns(move[0].digitValue(), move[1].digitValue()));
            }
        }
        if (ending < 0) {
            QVERIFY(w->reports.empty());
            return;
        }
        QCOMPARE(w->reports.size(), size_t(1));
        const GameReport &report = w->reports.front();
        QCOMPARE(int(report.ending), ending);
        QCOMPARE(report.strength, Strength::normal);
        QCOMPARE(report.mynumber, mynumber);
        if (rounds < 0) { // as long as the computer needed
            rounds = int(yours.size());
            answered = int(w->history.size());
        }
        QCOMPARE(report.rounds, rounds);
        QCOMPARE(int(report.yourguesses.size()), rounds);
        for (int r = 0; r < rounds; ++r) {
            const int code = countsigns(rowof(yours[r]), rowof(mynumber));
            QCOMPARE(report.yourguesses[r].number, yours[r]);
            QCOMPARE(report.yourguesses[r].plus * 10 + report.yourguesses[r].minus, code);
        }
        QCOMPARE(int(report.myguesses.size()), answered);
        for (int r = 0; r < answered; ++r) // the answers as the player gave them
            QCOMPARE(report.myguesses[r].number + ":" + std::to_string(report.myguesses[r].plus)
                    + std::to_string(report.myguesses[r].minus),
                w->history[r]);
        QCOMPARE(report.yournumber, found ? (play == "truly" ? secret : report.myguesses.back().number) : "");
        // Told before the player sees the end.
        const auto reported = std::find_if(
            w->log.begin(), w->log.end(), [](const std::string &line) { return line.rfind("report", 0) == 0; });
        const auto shown = std::find_if(w->log.begin(), w->log.end(),
            [](const std::string &line) { return line.rfind("outcome ", 0) == 0 || line == "message"; });
        QVERIFY(reported < shown);
    }

    // Answers chosen to keep the most numbers open as long as possible: even
    // then no match needs more than ten guesses a side.
    void longestMatchesStayWithinTenGuesses()
    {
        int longest = 0;
        for (int run = 0; run < 20; ++run) {
            m->startgame();
            w->outcome.reset();
            w->confirmnumber(wrongguess(*m));
            while (!w->outcome && w->messages.empty()) {
                const auto open = agreeing(*m, m->state().myround);
                std::map<int, int> classes;
                for (const Row &n : open)
                    if (n != m->state().myguesses[m->state().myround])
                        ++classes[countsigns(m->state().myguesses[m->state().myround], n)];
                auto largest = std::max_element(
                    classes.begin(), classes.end(), [](auto &a, auto &b) { return a.second < b.second; });
                QVERIFY(largest != classes.end());
                w->confirmsigns(largest->first / 10, largest->first % 10);
                if (w->outcome)
                    break;
                w->confirmnumber(wrongguess(*m));
            }
            QCOMPARE(w->outcome, std::optional(Outcome::lost));
            longest = std::max<int>(longest, m->state().myround + 1);
            QVERIFY2(m->state().yourround <= 10, qPrintable(QString::number(m->state().yourround)));
        }
        QVERIFY2(longest <= 10, qPrintable(QString::number(longest)));
        qInfo("longest adversarial match: %d computer guesses", longest);
    }

    // The engine turns down what the rules do not allow and says why; a refused
    // input records nothing, changes no step and leaves no turn for the computer.
    void refusedInputChangesNothing_data()
    {
        QTest::addColumn<int>("reached"); // the step the game has reached, as a Step
        QTest::addColumn<QString>("guess"); // a guess to hand in; "first" is the game's first guess
        QTest::addColumn<int>("plus"); // or, with no guess, an answer
        QTest::addColumn<int>("minus");
        QTest::addColumn<int>("refusal");
        const int number = int(Step::number), signs = int(Step::signs), after = int(Step::numberafter);
        const int none = int(Step::none), notwaiting = int(Refusal::notwaiting);
        const int notanumber = int(Refusal::notanumber), impossible = int(Refusal::impossible);
        QTest::newRow("guess before any game") << none << "1234" << 0 << 0 << notwaiting;
        QTest::newRow("guess while a guess waits for its answer") << signs << "5678" << 0 << 0 << notwaiting;
        QTest::newRow("three digits") << number << "123" << 0 << 0 << notanumber;
        QTest::newRow("five digits") << number << "12345" << 0 << 0 << notanumber;
        QTest::newRow("leading 0") << number << "0123" << 0 << 0 << notanumber;
        QTest::newRow("a digit twice") << number << "1123" << 0 << 0 << notanumber;
        QTest::newRow("not a digit") << number << "12a4" << 0 << 0 << notanumber;
        QTest::newRow("9999") << number << "9999" << 0 << 0 << notanumber;
        QTest::newRow("the first guess again") << after << "first" << 0 << 0 << int(Refusal::triedbefore);
        QTest::newRow("answer before any guess") << number << "" << 0 << 0 << notwaiting;
        QTest::newRow("answer twice") << after << "" << 0 << 0 << notwaiting;
        QTest::newRow("3 plus 1 minus") << signs << "" << 3 << 1 << impossible;
        QTest::newRow("4 plus 1 minus") << signs << "" << 4 << 1 << impossible;
        QTest::newRow("2 plus 3 minus") << signs << "" << 2 << 3 << impossible;
        QTest::newRow("5 plus") << signs << "" << 5 << 0 << impossible;
        QTest::newRow("minus one minus") << signs << "" << 0 << -1 << impossible;
    }
    void refusedInputChangesNothing()
    {
        QFETCH(int, reached);
        QFETCH(QString, guess);
        QFETCH(int, plus);
        QFETCH(int, minus);
        QFETCH(int, refusal);
        std::string first;
        if (reached != int(Step::none)) {
            m->startgame();
            first = wrongguess(*m);
        }
        if (reached == int(Step::signs) || reached == int(Step::numberafter))
            QVERIFY(w->confirmnumber(first));
        if (reached == int(Step::numberafter))
            QVERIFY(w->confirmsigns(0, 0));
        QCOMPARE(int(m->step()), reached);
        const auto before = std::make_unique<MatchState>(m->state());
        w->log.clear();

        const bool taken = guess.isEmpty() ? w->confirmsigns(plus, minus)
                                           : w->confirmnumber(guess == "first" ? first : guess.toStdString());
        QVERIFY(!taken);
        QCOMPARE(int(w->refused), refusal);
        QCOMPARE(int(m->step()), reached);
        QVERIFY(w->log.empty());
        const MatchState &after = m->state();
        QCOMPARE(after.yourround, before->yourround);
        QCOMPARE(after.myround, before->myround);
        QVERIFY(after.mysigns == before->mysigns);
        QVERIFY(after.yourguesses == before->yourguesses);
    }

    // The engine scores the player's guess itself; the same digits in another
    // order are a new guess, and four plus finds the number.
    void engineScoresTheGuess()
    {
        m->startgame();
        const std::string secret = m->state().mynumber;
        const std::string reversed(secret.rbegin(), secret.rend());
        if (reversed[0] != '0') { // a number may not lead with 0
            QVERIFY(w->confirmnumber(reversed));
            QCOMPARE(int(m->state().yourplus[0]), 0);
            QCOMPARE(int(m->state().yourminus[0]), 4);
            QVERIFY(w->confirmsigns(0, 0));
        } else {
            QVERIFY(w->confirmnumber(wrongguess(*m)));
            QVERIFY(w->confirmsigns(0, 0));
        }
        QVERIFY(w->confirmnumber(secret));
        QCOMPARE(int(m->state().yourplus[1]), 4);
        QCOMPARE(int(m->state().yourminus[1]), 0);
        QCOMPARE(int(m->state().yousolved), int(True));
    }
};

QTEST_APPLESS_MAIN(EngineMatch)
#include "tst_engine_match.moc"
