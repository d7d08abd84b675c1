// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's guessing: the consistency filter, the split counts, the
// ratings, the best set and the random choices.

#include "fakewindow.h"
#include "modulepeer.h"

#include "engine/doublerounding.h"

#include <QtTest>

#include <bit>
#include <cmath>
#include <memory>
#include <set>

using namespace numora;
using numora::testing::FakeWindow;
using numora::testing::rowof;

namespace {

// A fresh match in which the computer's first guess `guess` has been answered
// with `code` and the thinking step has run.
void answerfirstguess(Module1 &m, const std::string &guess, int code)
{
    m.makecandidates();
    m.makesigncodes();
    ModulePeer::state(m).yousolved = False;
    ModulePeer::state(m).myround = 0;
    m.playround(numora::support::remainingrow(m, std::stoi(guess)), int16(code));
    m.think();
    m.rateguesses();
    m.findbest();
}

int rowofnumber(const Module1 &m, const std::string &number)
{
    return numora::support::remainingrow(m, std::stoi(number));
}

bool contains(const std::string &number, char digit)
{
    return number.find(digit) != std::string::npos;
}

// Doubles compared to the last bit, not within QCOMPARE's tolerance.
std::uint64_t bits(double x)
{
    return std::bit_cast<std::uint64_t>(x);
}

} // namespace

class EngineGuesser : public QObject
{
    Q_OBJECT
    std::unique_ptr<Module1> m = std::make_unique<Module1>();
    std::unique_ptr<FakeWindow> window = std::make_unique<FakeWindow>(*m);

private slots:
    // 1234 answered with nothing: 300 matches, the 180 with a 0 are best.
    void workedExample()
    {
        answerfirstguess(*m, "1234", 0);
        QCOMPARE(int(m->state().matchcount), 300);
        QCOMPARE(int(m->state().bestcount), 180);
        for (int b = 0; b < m->state().bestcount; ++b) {
            const std::string best = numbertext(m->state().candidates[m->state().bestguesses[b]]);
            QVERIFY2(contains(best, '0'), best.c_str());
            for (char digit : std::string("1234"))
                QVERIFY(!contains(best, digit));
        }

        const int row = rowofnumber(*m, "5067");
        const std::array<int16, codecount> splits {0, 0, 70, 66, 6, 0, 44, 60, 6, 12, 22, 5, 8};
        QCOMPARE(m->state().splits[row], splits);
        const auto &rated = m->state().ratings[row];
        QCOMPARE(bits(rated[Module1::worstsplit]), bits(70.0));
        QCOMPARE(bits(rated[Module1::leastsplit]), bits(5.0));
        QCOMPARE(bits(rated[Module1::hitchance]), bits(1.0 / 300));
        QCOMPARE(QString::number(rated[Module1::rating], 'f', 6), QStringLiteral("23.383373"));

        const auto &other = m->state().ratings[rowofnumber(*m, "5678")];
        QCOMPARE(bits(other[Module1::worstsplit]), bits(77.0));
        QCOMPARE(QString::number(other[Module1::rating], 'f', 6), QStringLiteral("21.263209"));
    }

    // The rating adds its terms in one fixed order; the best set is decided
    // by exact equality of that sum.
    void ratingSumsItsTermsInOrder()
    {
        answerfirstguess(*m, "1234", 0);
        const auto &rated = m->state().ratings[rowofnumber(*m, "5067")];
        const DoubleRounding rounding; // the sums in double here too, on the x87 unit as well
        double sum = 0.0;
        for (double x : {70.0, 66.0, 6.0, 44.0, 60.0, 6.0, 12.0, 22.0, 5.0, 8.0})
            sum = sum + 1.0 / x;
        const double hit = 1.0 / 300;
        const double next = hit + (sum / 10) * (1.0 - hit);
        QCOMPARE(bits(rated[Module1::nextchance]), bits(next));
        QCOMPARE(bits(rated[Module1::rating]), bits(1000.0 / 70 + 100.0 * next + 10.0 * hit + 1.0 / 5));
    }

    void firstAnswerOfNothingLeavesTheOtherSixDigits_data()
    {
        QTest::addColumn<QString>("guess");
        QTest::newRow("1234") << "1234";
        QTest::newRow("1023") << "1023";
        QTest::newRow("5067") << "5067";
        QTest::newRow("9876") << "9876";
    }
    void firstAnswerOfNothingLeavesTheOtherSixDigits()
    {
        QFETCH(QString, guess);
        answerfirstguess(*m, guess.toStdString(), 0);
        std::set<std::string> expected;
        for (int a = 1; a <= 9; ++a)
            for (int b = 0; b <= 9; ++b)
                for (int c = 0; c <= 9; ++c)
                    for (int d = 0; d <= 9; ++d) {
                        const std::string n {char('0' + a), char('0' + b), char('0' + c), char('0' + d)};
                        if (std::set<char>(n.begin(), n.end()).size() < 4)
                            continue;
                        bool clear = true;
                        for (QChar g : guess)
                            clear = clear && !contains(n, g.toLatin1());
                        if (clear)
                            expected.insert(n);
                    }
        std::set<std::string> found;
        for (int row = 0; row < m->state().matchcount; ++row)
            found.insert(numbertext(m->state().matches[row]));
        QCOMPARE(found, expected);
    }

    // The matches keep the order in which they stand in the remaining table.
    void matchesKeepTableOrder()
    {
        answerfirstguess(*m, "5678", 21);
        int row = 0;
        for (int k = 0; k < m->state().matchcount; ++k) {
            while (m->state().candidates[row] != m->state().matches[k])
                ++row;
            QVERIFY(row <= m->lastremaining());
        }
    }

    // Drawn over many seeds, the first guess spreads evenly over the whole table.
    void firstGuessIsUniformOverTheTable()
    {
        std::uint32_t seed = 12345;
        m->setseeder([&] { return seed++; });
        const int draws = 10 * tablesize;
        std::vector<int> hits(tablesize, 0);
        std::vector<int> valueofrow(10000, -1);
        Module1 reference;
        reference.makecandidates();
        for (int row = 0; row < tablesize; ++row)
            valueofrow[std::stoi(numbertext(reference.state().candidates[row]))] = row;
        for (int n = 0; n < draws; ++n) {
            m->startgame();
            window->confirmnumber("1234");
            QCOMPARE(m->step(), Step::signs);
            ++hits[valueofrow[std::stoi(window->guess)]];
        }
        double chisquare = 0.0;
        for (int h : hits)
            chisquare += (h - 10.0) * (h - 10.0) / 10.0;
        // 4535 degrees of freedom: mean 4535, standard deviation about 95.
        QVERIFY2(std::abs(chisquare - 4535) < 6 * 95, qPrintable(QString::number(chisquare)));
    }

    // Among equally rated numbers each is chosen equally often.
    void tiesAreBrokenUniformly()
    {
        answerfirstguess(*m, "1234", 0);
        std::map<std::string, int> chosen;
        const int draws = 180 * 60;
        for (int n = 0; n < draws; ++n)
            ++chosen[numbertext(m->state().candidates[m->chooseguess()])];
        QCOMPARE(int(chosen.size()), 180);
        double chisquare = 0.0;
        for (const auto &[number, count] : chosen) {
            QVERIFY(contains(number, '0'));
            chisquare += (count - 60.0) * (count - 60.0) / 60.0;
        }
        // 179 degrees of freedom: mean 179, standard deviation about 19.
        QVERIFY2(std::abs(chisquare - 179) < 6 * 19, qPrintable(QString::number(chisquare)));
    }

    // The guess is recorded in its round's row and leaves the remaining table.
    void guessLeavesTheRemainingTable()
    {
        answerfirstguess(*m, "1234", 0);
        m->makeguess();
        const std::string guess = window->guess;
        QCOMPARE(numbertext(m->state().myguesses[1]), guess);
        for (int row = 0; row < m->lastremaining(); ++row) // myround has not advanced yet
            QVERIFY(numbertext(m->state().candidates[row]) != guess);
        QCOMPARE(m->step(), Step::signs);
    }

    // After the player has found the secret, the computer's last chance is one of the matches.
    void lastChanceGuessIsAMatch()
    {
        for (int n = 0; n < 40; ++n) {
            answerfirstguess(*m, "1234", 11);
            ModulePeer::state(*m).yousolved = True;
            m->makeguess();
            const Row guess = rowof(window->guess);
            bool found = false;
            for (int k = 0; k < m->state().matchcount; ++k)
                found = found || m->state().matches[k] == guess;
            QVERIFY2(found, window->guess.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(EngineGuesser)
#include "tst_engine_guesser.moc"
