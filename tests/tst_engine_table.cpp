// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The number table, the scoring rule, the answer codes and the removal rule.

#include "fakewindow.h"
#include "modulepeer.h"

#include <QtTest>

#include <memory>
#include <set>

using namespace numora;
using numora::testing::rowof;

class EngineTable : public QObject
{
    Q_OBJECT
    std::unique_ptr<Module1> m;

private slots:
    void init()
    {
        m = std::make_unique<Module1>();
        m->makecandidates();
        m->makesigncodes();
    }

    // Every admissible number once, ascending, and nothing else.
    void tableHoldsEachAdmissibleNumberOnceInOrder()
    {
        QCOMPARE(numbertext(m->state().candidates[0]), std::string("1023"));
        QCOMPARE(numbertext(m->state().candidates[1]), std::string("1024"));
        QCOMPARE(numbertext(m->state().candidates[tablesize - 1]), std::string("9876"));
        std::set<std::string> seen;
        int previous = 0;
        for (const Row &row : m->state().candidates) {
            QVERIFY(row[0] >= 1 && row[0] <= 9);
            QVERIFY(std::set<int16>(row.begin(), row.end()).size() == 4);
            const int value = std::stoi(numbertext(row));
            QVERIFY(value > previous);
            previous = value;
            seen.insert(numbertext(row));
        }
        QCOMPARE(int(seen.size()), tablesize);
        QVERIFY(!seen.count("0123"));
        QVERIFY(!seen.count("1123"));
    }

    void countsigns_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("code");
        QTest::newRow("same number") << "1234"
                                     << "1234" << 40;
        QTest::newRow("reversed") << "1234"
                                  << "4321" << 4;
        QTest::newRow("two swapped") << "1234"
                                     << "1243" << 22;
        QTest::newRow("nothing shared") << "1234"
                                        << "5678" << 0;
        QTest::newRow("three in place") << "1234"
                                        << "1235" << 30;
        QTest::newRow("one in place two elsewhere") << "1234"
                                                    << "2135" << 12;
        QTest::newRow("help example") << "1234"
                                      << "6241" << 12;
        QTest::newRow("zero elsewhere") << "1023"
                                        << "5607" << 1;
    }
    void countsigns()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, code);
        QCOMPARE(int(numora::countsigns(rowof(a.toStdString()), rowof(b.toStdString()))), code);
    }

    // Over all pairs: symmetric, 40 exactly for equal numbers, never 31, and
    // always one of the fourteen codes.
    void countsignsOverAllPairs()
    {
        const std::set<int> possible {0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30, 40};
        std::set<int> found;
        for (int i = 0; i < tablesize; ++i)
            for (int j = i; j < tablesize; ++j) {
                const int code = numora::countsigns(m->state().candidates[i], m->state().candidates[j]);
                if (code != numora::countsigns(m->state().candidates[j], m->state().candidates[i]))
                    QFAIL("not symmetric");
                if ((code == 40) != (i == j))
                    QFAIL("40 for different numbers or not 40 for the same");
                found.insert(code);
            }
        QCOMPARE(found, possible);
    }

    void signcodesAfterEveryMatchStart()
    {
        testing::FakeWindow window(*m);
        const std::array<int16, codecount> expected {0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30};
        for (int match = 0; match < 3; ++match) {
            ModulePeer::state(*m).signcodes.fill(99);
            m->startgame();
            QCOMPARE(m->state().signcodes, expected);
        }
    }

    void everyRowHasFourCharacterText()
    {
        for (const Row &row : m->state().candidates)
            QCOMPARE(numbertext(row).size(), size_t(4));
    }

    // A guess taken from row 7 leaves the last number there and one row fewer.
    void removalMovesTheLastRemainingRowIntoTheGap()
    {
        m->playround(7, 0);
        QCOMPARE(numbertext(m->state().candidates[7]), std::string("9876"));
        QCOMPARE(m->lastremaining(), tablesize - 2);
        std::set<std::string> remaining;
        for (int row = 0; row <= m->lastremaining(); ++row)
            remaining.insert(numbertext(m->state().candidates[row]));
        QCOMPARE(int(remaining.size()), tablesize - 1);
        QVERIFY(!remaining.count("1032")); // row 7 of the fresh table
        QVERIFY(remaining.count("9876"));
    }

    void removingTheLastRemainingRowCopiesItOntoItself()
    {
        m->playround(tablesize - 1, 0);
        QCOMPARE(numbertext(m->state().candidates[tablesize - 1]), std::string("9876"));
        QCOMPARE(numbertext(m->state().candidates[tablesize - 2]), std::string("9875"));
    }

    // Each match start seeds from the clock, draws a fresh secret from the whole
    // table and resets the counters.
    void matchStartResetsTheCountersAndDrawsASecret()
    {
        testing::FakeWindow window(*m);
        std::set<std::string> secrets;
        for (int match = 0; match < 50; ++match) {
            ModulePeer::state(*m).myround = 5;
            ModulePeer::state(*m).yourround = 6;
            ModulePeer::state(*m).yousolved = True;
            m->startgame();
            QCOMPARE(int(m->state().myround), 0);
            QCOMPARE(int(m->state().yourround), 0);
            QCOMPARE(int(m->state().yousolved), int(False));
            QCOMPARE(int(m->state().bestcount), tablesize);
            QCOMPARE(m->step(), Step::number);
            QCOMPARE(m->state().mynumber.size(), size_t(4));
            QVERIFY(m->state().mynumber[0] != '0');
            secrets.insert(m->state().mynumber);
        }
        QVERIFY(secrets.size() > 40); // fresh seeds give fresh secrets
        QCOMPARE(window.loads, 50);
    }

    // Any row can be the secret, the first and the last too: seeds counted up
    // from 1 draw both 1023 and 9876 long before a hundred thousand matches.
    void secretIsDrawnFromTheWholeTable()
    {
        testing::FakeWindow window(*m);
        std::uint32_t seed = 1;
        m->setseeder([&seed] { return seed++; });
        bool first = false, last = false;
        while (!(first && last) && seed <= 100000) {
            m->startgame();
            first = first || m->state().mynumber == "1023";
            last = last || m->state().mynumber == "9876";
        }
        m->setseeder({});
        QVERIFY2(first && last, qPrintable(QStringLiteral("1023 drawn: %1, 9876 drawn: %2").arg(first).arg(last)));
    }
};

QTEST_APPLESS_MAIN(EngineTable)
#include "tst_engine_table.moc"
