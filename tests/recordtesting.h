// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the tests of the record share: matches as the engine reports them,
// and the record's file read as another program reads it.

#include "engine/gamereport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

// A match ended so in `rounds` rounds: the computer's secret 5260, the player's
// 9613 found when the match is lost or drawn, every guess answered but the
// computer's last of an abandoned match.
inline numora::GameReport match(
    numora::Ending ending, int rounds = 4, numora::Strength strength = numora::Strength::normal)
{
    static const char *numbers[] = {"1023", "4567", "8901", "2345", "6789", "3041", "5260", "7480", "9613"};
    numora::GameReport r;
    r.ending = ending;
    r.strength = strength;
    r.rounds = rounds;
    r.mynumber = "5260";
    if (ending == numora::Ending::lost || ending == numora::Ending::draw)
        r.yournumber = "9613";
    for (int k = 0; k < rounds; ++k) {
        r.yourguesses.push_back({numbers[k % 9], std::int16_t(k % 3), 1});
        if (ending != numora::Ending::abandoned || k + 1 < rounds)
            r.myguesses.push_back({numbers[8 - k % 9], 1, std::int16_t(k % 4)});
    }
    return r;
}

// The rows `sql` gives on `file`, fields joined by "|", through a connection of its own.
inline QStringList rows(const QString &file, const QString &sql)
{
    QStringList found;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(sql))
            while (q.next()) {
                QStringList fields;
                for (int i = 0; i < q.record().count(); ++i)
                    fields << (q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
                found << fields.join(QLatin1Char('|'));
            }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    return found;
}

inline QByteArray digest(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : "";
}
