// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The strengths against every secret: the Expert finds each within seven
// guesses and needs on average what its tree claims, whatever digits it renames;
// the Easy stays a beginner's opponent; neither ever looks at the player's number.

#include "engine/strategies.h"
#include "support/position.h"

#include <QtTest>

#include <fstream>
#include <memory>
#include <set>

using namespace numora;
using namespace numora::support;

namespace {

struct Played
{
    std::vector<std::string> guesses; // the computer's, then the number it named
    bool found = false; // the player's number, guessed or named
};

// One match against `secret`, answered truly, through the engine's own steps.
Played play(Strength strength, const Row &secret, std::uint32_t seed)
{
    Module1 m;
    QuietWindow window;
    m.attach(&window);
    m.setstrategy(makestrategy(strength));
    freshmatch(m, window, seed);
    Played played;
    for (int turn = 0; turn < 60; ++turn) {
        const int row = m.chooseguess();
        played.guesses.push_back(numbertext(m.state().candidates[row]));
        const int16 code = countsigns(m.state().candidates[row], secret);
        if (code == 40) {
            played.found = true;
            break;
        }
        m.playround(row, code);
        m.think();
        if (window.outcome || window.wrongsigns) {
            played.guesses.push_back(window.shown);
            played.found = window.outcome && window.shown == numbertext(secret);
            break;
        }
        if (strength == Strength::normal) { // the engine's own rating
            m.rateguesses();
            m.findbest();
        }
    }
    return played;
}

struct Figures
{
    long long guesses = 0;
    int worst = 0;
    int lost = 0;
};

// Every secret, each match seeded alike.
Figures playall(Strength strength, std::uint32_t seed)
{
    Module1 table;
    table.makecandidates();
    Figures figures;
    for (const Row &secret : table.state().candidates) {
        const Played played = play(strength, secret, seed);
        figures.lost += played.found ? 0 : 1;
        figures.guesses += static_cast<long long>(played.guesses.size());
        figures.worst = std::max(figures.worst, static_cast<int>(played.guesses.size()));
    }
    return figures;
}

// What the tree's data file says of itself: "mean 5.1437, worst 7".
std::pair<double, int> claimed()
{
    std::ifstream file(NUMORA_EXPERT_TREE);
    std::string line;
    while (std::getline(file, line)) {
        const auto at = line.find(", mean ");
        if (at != std::string::npos) {
            double mean = 0;
            int worst = 0;
            std::sscanf(line.c_str() + at, ", mean %lf, worst %d", &mean, &worst);
            return {mean, worst};
        }
    }
    return {0.0, 0};
}

} // namespace

Q_DECLARE_METATYPE(numora::Strength)

class EngineStrategies : public QObject
{
    Q_OBJECT
private slots:
    // Renaming the digits changes no figure: each seed renames them otherwise.
    void expertFindsEverySecretAsItsTreeClaims_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 2") << 2u;
        QTest::newRow("seed 4096") << 4096u;
    }
    void expertFindsEverySecretAsItsTreeClaims()
    {
        QFETCH(std::uint32_t, seed);
        const auto [mean, worst] = claimed();
        QVERIFY2(mean > 0, "the tree's file claims no mean");
        const Figures figures = playall(Strength::expert, seed);
        QCOMPARE(figures.lost, 0);
        QCOMPARE(figures.worst, worst);
        QVERIFY(figures.worst <= 7);
        QCOMPARE(QString::number(double(figures.guesses) / tablesize, 'f', 4), QString::number(mean, 'f', 4));
        QVERIFY(double(figures.guesses) / tablesize <= 5.17);
    }

    // Its guesses differ from match to match: the first is any number without
    // a 0, as its tree's first guess 1234 renamed.
    void expertRenamesItsDigits()
    {
        std::set<std::string> first;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            const std::string guess = play(Strength::expert, rowof("5067"), seed).guesses.front();
            QVERIFY(guess.find('0') == std::string::npos);
            first.insert(guess);
        }
        QVERIFY(first.size() > 30);
    }

    void easyIsABeginnersOpponent()
    {
        const Figures figures = playall(Strength::easy, 1);
        QCOMPARE(figures.lost, 0);
        const double mean = double(figures.guesses) / tablesize;
        QVERIFY2(mean >= 6.5 && mean <= 7.5, qPrintable(QString::number(mean)));
    }

    // The computer's guesses depend on the answers alone: two secrets that
    // answer its first guesses alike get the same guesses until they answer
    // otherwise. Honest, at every strength.
    void guessesFollowTheAnswersOnly_data()
    {
        QTest::addColumn<Strength>("strength");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("other");
        for (const auto &[strength, name] :
            {std::pair {Strength::easy, "easy"}, {Strength::normal, "normal"}, {Strength::expert, "expert"}}) {
            QTest::addRow("%s, 5067 or 5076", name) << strength << "5067" << "5076";
            QTest::addRow("%s, 1234 or 9876", name) << strength << "1234" << "9876";
            QTest::addRow("%s, 3810 or 3819", name) << strength << "3810" << "3819";
        }
    }
    void guessesFollowTheAnswersOnly()
    {
        QFETCH(Strength, strength);
        QFETCH(QString, one);
        QFETCH(QString, other);
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            const Played a = play(strength, rowof(one.toStdString()), seed);
            const Played b = play(strength, rowof(other.toStdString()), seed);
            QVERIFY(a.found && b.found);
            for (std::size_t k = 0; k < std::min(a.guesses.size(), b.guesses.size()); ++k) {
                QCOMPARE(a.guesses[k], b.guesses[k]);
                if (countsigns(rowof(a.guesses[k]), rowof(one.toStdString()))
                    != countsigns(rowof(b.guesses[k]), rowof(other.toStdString())))
                    break;
            }
        }
    }
};

QTEST_GUILESS_MAIN(EngineStrategies)
#include "tst_engine_strategies.moc"
